// varek_art_generator <directory> <id>...: draws the module's bitmaps and writes each as
// <directory>/<id>.bmp. The ids are the bitmaps the resource list declares; the generator
// refuses an id it has no recipe for, and a recipe whose id the list does not declare, so the
// list and the recipes cannot drift apart.
#include <charconv>
#include <exception>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>

#include "resources/art/recipes.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: varek_art_generator <directory> <id>...\n";
        return 2;
    }
    try {
        const std::filesystem::path directory = argv[1];
        std::set<int> declared;
        for (int i = 2; i < argc; ++i) {
            const std::string word = argv[i];
            int id = 0;
            const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), id);
            if (error != std::errc{} || end != word.data() + word.size()) {
                std::cerr << "varek_art_generator: not a bitmap id: " << word << "\n";
                return 2;
            }
            declared.insert(id);
        }
        const std::vector<art::recipe> recipes = art::all_recipes();
        std::set<int> known;
        for (const art::recipe& r : recipes) {
            known.insert(r.id);
            if (!declared.contains(r.id)) {
                std::cerr << "varek_art_generator: bitmap " << r.id
                          << " has a recipe but no line in the resource list\n";
                return 1;
            }
        }
        for (int id : declared) {
            if (!known.contains(id)) {
                std::cerr << "varek_art_generator: no recipe for bitmap " << id << "\n";
                return 1;
            }
        }
        std::filesystem::create_directories(directory);
        art::module_records records;
        for (const art::recipe& r : recipes) {
            art::write_bmp(art::make_bitmap(r, records),
                           directory / (std::to_string(r.id) + ".bmp"));
        }
    } catch (const std::exception& error) {
        std::cerr << "varek_art_generator: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
