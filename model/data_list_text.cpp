#include "model/data_list_text.h"

std::string dataListText(const std::vector<LoadedStructure>& structures) {
    const std::string rule = std::string(38, '-') + "\n";
    std::string text = "Data List:\nID  File Name\n" + rule;
    for (const LoadedStructure& s : structures) text += std::to_string(s.id()) + ": " + s.fileName + "\n";
    return text + rule;
}
