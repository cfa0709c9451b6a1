#include "io/default_structure_set.h"

#include <filesystem>

namespace {

const char* const folder = "/usr/share/avogadro2/crystals";

const char* const members[] = {
    "oxides/SiO2-Quartz-alpha.cif",  "oxides/SiO2-Quartz-beta.cif", "oxides/SiO2-Cristobalite.cif",
    "oxides/SiO2-Coesite.cif",       "oxides/SiO2-Stishovite.cif",  "oxides/TiO2-Rutile.cif",
    "oxides/TiO2-Anatase.cif",       "oxides/TiO2-Brookite.cif",    "carbides/SiC-3C-beta.cif",
    "carbides/SiC-2H-Moissanite.cif", "carbides/SiC-6H-alpha.cif",  "sulfides/ZnS-Sphalerite.cif",
    "sulfides/ZnS-Zincblende.cif",   "sulfides/ZnS-Wurtzite-2H.cif", "elements/C-Diamond.cif",
    "elements/C-Lonsdaleite.cif",    "elements/C-Graphite.cif",     "ice/H2O-Ice-Ih.cif",
    "ice/H2O-Ice-II.cif",            "ice/H2O-Ice-III.cif",         "ice/H2O-Ice-VI.cif",
    "ice/H2O-Ice-VII.cif",
};

}  // namespace

const char* defaultStructureSetFolder() { return folder; }

std::vector<std::string> defaultStructureSet() {
    std::vector<std::string> paths;
    for (const char* member : members) {
        const std::string path = std::string(folder) + "/" + member;
        if (std::filesystem::exists(path)) paths.push_back(path);
    }
    return paths;
}
