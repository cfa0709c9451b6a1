#include "io/load_report.h"

LoadReport makeLoadReport(const std::string& fileName, const std::string& path, const CrystalStructure& structure,
                          const ReadNotes& notes) {
    LoadReport report;
    report.fileName = fileName;
    report.path = path;
    report.opened = notes.opened;
    report.spaceGroupText = structure.spaceGroupName();
    report.spaceGroupRecognised = structure.spaceGroupSetting() != nullptr && structure.spaceGroupRecognised();
    report.atomCount = structure.originalAtoms().size();
    report.problems = notes.problems;
    return report;
}

bool loadSucceeded(const LoadReport& report) {
    return report.opened && report.spaceGroupRecognised && report.atomCount > 0;
}

std::string loadProblemLine(const LoadReport& report) {
    if (!report.opened)
        return report.fileName + ": " + (report.problems.empty() ? std::string("cannot be opened") : report.problems.front());
    std::vector<std::string> reasons;
    if (report.atomCount == 0) reasons.push_back("no atoms read");
    if (!report.spaceGroupRecognised && (report.atomCount > 0 || !report.spaceGroupText.empty()))
        reasons.push_back(report.spaceGroupText.find_first_not_of(" \t") == std::string::npos
                              ? std::string("no space group given")
                              : "space group \"" + report.spaceGroupText + "\" not recognised");
    reasons.insert(reasons.end(), report.problems.begin(), report.problems.end());
    if (reasons.empty()) return std::string();
    std::string line = report.fileName + ":";
    for (std::size_t i = 0; i < reasons.size(); ++i) line += (i ? "; " : " ") + reasons[i];
    return line;
}
