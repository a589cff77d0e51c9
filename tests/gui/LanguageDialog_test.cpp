#include <gtest/gtest.h>
#include <QComboBox>

#include <filesystem>

#include "case/ProfileStore.h"
#include "shell/LanguageChoice.h"
#include "shell/LanguageTable.h"
#include "shell/gui/LanguageDialog.h"
#include "support/TempFolder.h"

namespace vitalis {
namespace {

namespace fs = std::filesystem;

TEST(LanguageDialog, OffersTheInstalledLanguagesAndStoresTheChoice) {
    test::TempFolder app;
    app.AddShippedLanguages();
    LanguageTable languages(app.path());
    StartLanguage(languages);
    LanguageDialog dialog(languages);
    QComboBox* choices = dialog.choices();
    ASSERT_GE(choices->count(), 3);
    EXPECT_EQ(choices->currentText(), QStringLiteral("English"));
    choices->setCurrentText(QStringLiteral("Spanish"));
    dialog.accept();
    EXPECT_EQ(languages.GetCurrentLanguageName(), "Spanish");
    EXPECT_EQ(ProfileStore(app.File("Cnf.start")).GetString("START", "Language", ""), "Spanish");
    EXPECT_NE(languages.GetText("Menu Setting", "IDS_FILE"), "");

    LanguageDialog again(languages);
    EXPECT_EQ(again.choices()->currentText(), QStringLiteral("Spanish"));
}

}  // namespace
}  // namespace vitalis
