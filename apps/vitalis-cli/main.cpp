#include <iostream>
#include <string>

#include "Commands.h"

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: vitalis-cli COMMAND [ARGS]\n"
           "  analyze CASE.awp [--config VurConfig.ini] [--ranges sL,sH,dL,dH,pL,pH]\n"
           "          [--recording N]\n"
           "                            the case, its readings and their analysis as JSON;\n"
           "                            thresholds from the configuration file (else the\n"
           "                            defaults), pie ranges for all three periods (else\n"
           "                            each period's starting ranges)\n"
           "                            --recording N: only the N-th test of the file (1 =\n"
           "                            first in time; see recordings)\n"
           "  recordings CASE.awp       the tests a case file holds (a monthly file holds\n"
           "                            several) as a JSON list of begin, end and count\n"
           "  export-csv CASE.awp OUT   the readings as a CSV file\n"
           "  export-fhir CASE.awp OUT.json [--all] [--config PATH] [--guideline ID]\n"
           "                            the recording as a FHIR R4 bundle: patient, analysed\n"
           "                            readings (--all: failed and excluded ones too),\n"
           "                            period means and the report with its conclusion\n"
           "  download --link LINK [--case-folder DIR] [--log FILE] [--retries N]\n"
           "                            reads the monitor into new case files (their paths on\n"
           "                            stdout); LINK is usb, serial:PATH, bt:ADDRESS or\n"
           "                            tcp:HOST:PORT\n"
           "  upload --link LINK --name NAME --id ID --awake HH:MM,MIN --asleep HH:MM,MIN\n"
           "         [--special HH:MM-HH:MM,MIN] [--start-key on|off] [--log FILE] [--retries N]\n"
           "                            programs the monitor; times on the half hour,\n"
           "                            intervals none, 5, 10, 15, 20, 30, 45, 60, 90 or 120\n"
           "  download and upload take --app-dir DIR: the folder of VurConfig.ini and\n"
           "  Language/ (the program's folder by default)\n";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vitalis::cli;
    if (argc < 2) {
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    const std::string command = argv[1];
    const Arguments args(argv + 2, argv + argc);
    if (command == "analyze") return RunAnalyze(args);
    if (command == "export-csv") return RunExportCsv(args);
    if (command == "export-fhir") return RunExportFhir(args);
    if (command == "recordings") return RunRecordings(args);
    if (command == "download") return RunDownload(args);
    if (command == "upload") return RunUpload(args);
    if (command == "report") return RunReport(args);
    if (command == "--help" || command == "help") {
        PrintUsage(std::cout);
        return kExitOk;
    }
    std::cerr << "vitalis-cli: unknown command '" << command << "'\n";
    PrintUsage(std::cerr);
    return kExitUsage;
}
