// varek_art_generator <directory>: draws every bitmap the art registers, writes each as
// <directory>/<id or name>.bmp, and last lists them in <directory>/bitmaps.rc, one resource-script
// line each (`<id or name> BITMAP "<file>"`). The build makes the module's resource directory and
// the Windows resource script from that list, so a bitmap is declared by its recipe alone.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "art/recipes.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: varek_art_generator <directory>\n";
        return 2;
    }
    try {
        const std::filesystem::path directory = std::filesystem::absolute(argv[1]);
        std::filesystem::create_directories(directory);
        art::module_records records;
        std::string list;
        for (const art::recipe& r : art::all_recipes()) {
            const std::filesystem::path file = directory / (r.key() + ".bmp");
            art::write_bmp(art::make_bitmap(r, records), file);
            list += r.key() + " BITMAP \"" + file.generic_string() + "\"\n";
        }
        std::ofstream out(directory / "bitmaps.rc");
        out << list;
        if (!out.flush()) {
            std::cerr << "varek_art_generator: cannot write " << directory / "bitmaps.rc"
                      << "\n";
            return 1;
        }
    } catch (const std::exception& error) {
        std::cerr << "varek_art_generator: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
