#include "case/PatientSex.h"
#include "case/TextSource.h"

namespace vitalis {

PatientSex SexFromCode(int code) {
    switch (code) {
        case 1:
            return PatientSex::Male;
        case 2:
            return PatientSex::Female;
        default:
            return PatientSex::Unknown;
    }
}

int SexCode(PatientSex sex) {
    return static_cast<int>(sex);
}

std::string_view SexTextKey(PatientSex sex) {
    switch (sex) {
        case PatientSex::Male:
            return "IDS_MAN";
        case PatientSex::Female:
            return "IDS_WOMAN";
        case PatientSex::Unknown:
            break;
    }
    return "IDS_SEX_UNKNOWN";
}

std::string SexText(PatientSex sex, const TextSource& texts) {
    return texts.Text(kGlobalTexts, SexTextKey(sex));
}

}  // namespace vitalis
