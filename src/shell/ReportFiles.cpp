#include "shell/ReportFiles.h"

#include <filesystem>
#include <fstream>
#include <functional>

#include "shell/ReportDiaryFile.h"
#include "shell/ReportRecords.h"

namespace vitalis {

namespace fs = std::filesystem;

std::string ReportPageFileName(int pageNumber) {
    if (pageNumber == 4 || pageNumber == 5) return "45.rp";
    return std::to_string(pageNumber) + ".rp";
}

namespace {

bool WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

// Files of an earlier run would otherwise pass for pages of this one.
void RemoveEarlierFiles(const fs::path& folder) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const fs::path name = entry.path().filename();
        if (name == kReportHeaderFile || entry.path().extension() == ".rp")
            fs::remove(entry.path(), error);
    }
}

struct PageBytes {
    int page;
    std::optional<std::string> bytes;
};

template <typename Record, typename Encoder>
std::optional<std::string> Bytes(const std::optional<Record>& record, Encoder encode) {
    if (!record) return std::nullopt;
    return encode(*record);
}

std::vector<PageBytes> EncodePages(const ReportData& d) {
    return {
        {1, Bytes(d.demographics, EncodeDemographics)},
        {2, Bytes(d.statistics, EncodeStatistics)},
        {3, Bytes(d.summary, EncodeSummary)},
        {4, Bytes(d.graphReadings, EncodeMeasurementList)},
        {6, Bytes(d.histograms, EncodeHistograms)},
        {7, Bytes(d.pies, EncodeSummary)},
        {8, Bytes(d.correlation, EncodeCorrelation)},
        {9, Bytes(d.frequency, EncodeFrequency)},
        {10, Bytes(d.secondary, EncodeSecondaryHistograms)},
        {11, Bytes(d.dataReadings, EncodeMeasurementList)},
    };
}

}  // namespace

ReportWriteResult WriteReportFiles(const std::string& folder, const ReportData& data) {
    ReportWriteResult result;
    const fs::path dir(folder);
    std::error_code error;
    fs::create_directories(dir, error);
    RemoveEarlierFiles(dir);
    if (!WriteFile(dir / kReportHeaderFile, EncodeHeader(data.header))) {
        result.error = "Cannot write the report files into " + folder;
        return result;
    }
    result.written.push_back(kReportHeaderFile);
    if (data.clinical) {
        if (!WriteFile(dir / kClinicalReportFile, EncodeClinical(*data.clinical))) {
            result.error = "Cannot write the report files into " + folder;
            return result;
        }
        result.written.push_back(kClinicalReportFile);
    }
    // The trend pages print without it as before, so it fails the report no more than they do.
    if (data.graph && WriteFile(dir / kGraphReportFile, EncodeGraph(*data.graph)))
        result.written.push_back(kGraphReportFile);
    for (const PageBytes& page : EncodePages(data)) {
        if (!page.bytes) continue;
        const std::string name = ReportPageFileName(page.page);
        if (WriteFile(dir / name, *page.bytes)) {
            result.written.push_back(name);
        } else if (page.page == 1) {
            result.error = "Cannot write the report files into " + folder;
            return result;
        }
    }
    if (data.diary && WriteReportDiary(folder, *data.diary))
        result.written.push_back(kReportDiaryFile);
    result.ok = true;
    return result;
}

namespace {

enum class FileState { Read, Missing, Failed };

FileState ReadFile(const fs::path& path, std::string& bytes, std::string& error) {
    std::error_code code;
    if (!fs::is_regular_file(path, code)) return FileState::Missing;
    const auto size = fs::file_size(path, code);
    if (code || size > static_cast<uintmax_t>(kMaxReportFileBytes)) {
        error = "is too large or cannot be read";
        return FileState::Failed;
    }
    std::ifstream in(path, std::ios::binary);
    bytes.assign(static_cast<size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) {
        error = "cannot be read";
        return FileState::Failed;
    }
    return FileState::Read;
}

// Reads one page file into its record; false when the file is there but unusable.
template <typename Record, typename Decoder>
bool ReadPage(const fs::path& folder, const std::string& name, std::optional<Record>& record,
              Decoder decode, ReportReadResult& result) {
    std::string bytes, error;
    const FileState state = ReadFile(folder / name, bytes, error);
    if (state == FileState::Missing) {
        result.missing.push_back(name);
        return true;
    }
    if (state == FileState::Read) record = decode(bytes, error);
    if (state == FileState::Failed || !record) {
        result.error = "The report file " + name + " " +
                       (state == FileState::Failed ? error : "is damaged: " + error) + ".";
        return false;
    }
    return true;
}

bool ReadPages(const fs::path& dir, ReportData& d, ReportReadResult& result) {
    const auto& on = d.header.pages;
    auto page = [&](int number, auto& record, auto decode) {
        return ReadPage(dir, ReportPageFileName(number), record, decode, result);
    };
    return (!on[0] || page(1, d.demographics, DecodeDemographics)) &&
           (!on[1] || page(2, d.statistics, DecodeStatistics)) &&
           (!on[2] || page(3, d.summary, DecodeSummary)) &&
           (!(on[3] || on[4]) || page(4, d.graphReadings, DecodeMeasurementList)) &&
           (!on[5] || page(6, d.histograms, DecodeHistograms)) &&
           (!on[6] || page(7, d.pies, DecodeSummary)) &&
           (!on[7] || page(8, d.correlation, DecodeCorrelation)) &&
           (!on[8] || page(9, d.frequency, DecodeFrequency)) &&
           (!on[9] || page(10, d.secondary, DecodeSecondaryHistograms)) &&
           (!on[10] || page(11, d.dataReadings, DecodeMeasurementList));
}

}  // namespace

ReportReadResult ReadReportFiles(const std::string& folder) {
    ReportReadResult result;
    const fs::path dir(folder);
    std::optional<ReportHeader> header;
    if (!ReadPage(dir, kReportHeaderFile, header, DecodeHeader, result)) return result;
    if (!header) {
        result.missing.clear();
        result.error = "There is no report in " + folder + ".";
        return result;
    }
    ReportData data;
    data.header = std::move(*header);
    if (!ReadPages(dir, data, result)) return result;
    // No flag of the header asks for the clinical record: it is there when a page needs it.
    std::vector<std::string> missing = result.missing;
    if (!ReadPage(dir, kClinicalReportFile, data.clinical, DecodeClinical, result)) return result;
    // Nor for the graph record: without it the trend pages print as they always did.
    if (!ReadPage(dir, kGraphReportFile, data.graph, DecodeGraph, result)) return result;
    result.missing = std::move(missing);
    data.diary = ReadReportDiary(folder);
    result.data = std::move(data);
    return result;
}

}  // namespace vitalis
