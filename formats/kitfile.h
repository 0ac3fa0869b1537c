#pragma once

#include <string>
#include <string_view>

namespace dorva {

// The Kit page's values as bytes (code page 932).
struct KitRecord {
    std::string texture;          // Edit05k "Kit Texture"
    std::string item1;            // Edit01k, group "Kit 1"
    std::string count1;           // Edit02k
    bool grenadeLauncher = false; // "GL"
    std::string item2;            // Edit03k, group "Kit 2"
    std::string count2;           // Edit04k; the extra-ammunition count while extraAmmo is set
    bool extraAmmo = false;       // "Ex Ammo"
};

// Reads the values from a document text by line position. Never fails. A file holding only
// the second slot leaves the first slot's item and count empty.
KitRecord loadKit(std::string_view text);

// The 15-line template, lines ended by CR LF.
std::string kitTemplate();

// Fills the template from the record; the same record always gives the same bytes.
std::string saveKit(const KitRecord& record);

} // namespace dorva
