#include "formats/kitfile.h"

#include "formats/doctext.h"
#include "formats/fieldrules.h"
#include "formats/tagvalue.h"

#include <algorithm>
#include <array>

namespace dorva {

namespace {

constexpr int kTemplateLines = 15;
using KitLines = std::array<std::string, kTemplateLines>;

const KitLines& templateLines() {
    static const KitLines lines = {
        "<KitFile>",
        "\t<VersionNumber>1.000000</VersionNumber>",
        "\t<KitTexture>base</KitTexture>",
        "\t<base SlotNumber = \"0\">",
        "\t\t<VersionNumber>1.000000</VersionNumber>",
        "\t\t<ItemFileName>base</ItemFileName>",
        "\t\t<MagazineCount>base</MagazineCount>",
        "\t\t<GrenadeLauncher>base</GrenadeLauncher>",
        "\t</base>",
        "\t<base SlotNumber = \"1\">",
        "\t\t<VersionNumber>1.000000</VersionNumber>",
        "\t\t<ItemFileName>base</ItemFileName>",
        "\t\t<MagazineCount>base</MagazineCount>",
        "\t</base>",
        "</KitFile>",
    };
    return lines;
}

// The value on one line between the first occurrence of `open` and the first "</".
std::string lineValue(const DocText& doc, int line, std::string_view open) {
    return tagValue(doc.line(line), open, "</");
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether the text contains `needle` in any letter case. Only ASCII letters fold, whatever
// locale the program runs in.
bool containsNoCase(std::string_view text, std::string_view needle) {
    const auto same = [](char a, char b) { return asciiLower(a) == asciiLower(b); };
    return std::search(text.begin(), text.end(), needle.begin(), needle.end(), same) != text.end();
}

void replaceInLine(KitLines& lines, int line, std::string_view from, std::string_view to) {
    lines[line] = replaceAll(lines[line], from, to);
}

// Names the slot element (lines `open` and `close`) and its count tag (line `count`) after the
// kinds of item the file name shows. The first matching kind names the element; a hand-held or
// thrown item also renames the count tag even when an earlier kind named the element.
void nameSlot(KitLines& lines, const std::string& item, int open, int close, int count) {
    struct Kind {
        const char* extension;
        const char* element;
        bool countTag;
    };
    static const std::array<Kind, 3> kinds = {{
        {".gu", "Firearm", false},
        {".it", "HandHeldItem", true},
        {".pr", "ThrownItem", true},
    }};
    for (const Kind& kind : kinds) {
        if (!containsNoCase(item, kind.extension))
            continue;
        replaceInLine(lines, open, "base", kind.element);
        replaceInLine(lines, close, "base", kind.element);
        if (kind.countTag)
            replaceInLine(lines, count, "MagazineCount", "Count");
    }
}

} // namespace

KitRecord loadKit(std::string_view text) {
    KitRecord kit;
    setGrenadeLauncher(kit, false);
    setExtraAmmo(kit, false);

    DocText doc(text);
    if (doc.lineCount() > 0 && doc.line(0).empty())
        doc.setText(replaceAll(doc.text(), "\r\n<KitFile>", "<KitFile>"));
    // Files without a texture line or without line 7 get an empty line in its place, so that
    // the values stand on their usual line numbers.
    if (doc.text().find("KitTexture") == std::string::npos)
        doc.insertLine(2, "");
    if (doc.text().find("ExtraAmmo") == std::string::npos &&
        doc.text().find("GrenadeLauncher") == std::string::npos)
        doc.insertLine(7, "");

    const std::string texture = tagValue(doc.text(), "<KitTexture>", "</KitTexture>");
    if (doc.line(3).find("SlotNumber = \"1\">") != std::string::npos) {
        // Only the second slot is present.
        kit.texture = texture;
        kit.item2 = lineValue(doc, 5, "<ItemFileName>");
        kit.count2 = lineValue(doc, 6, "Count>");
        return kit;
    }

    if (doc.text().find("<GrenadeLauncher>1") != std::string::npos)
        setGrenadeLauncher(kit, true);
    if (doc.text().find("<ExtraAmmo>") != std::string::npos)
        setExtraAmmo(kit, true);
    kit.texture = texture;
    kit.item1 = lineValue(doc, 5, "<ItemFileName>");
    kit.count1 = lineValue(doc, 6, "Count>");
    kit.item2 = lineValue(doc, 11, "<ItemFileName>");
    kit.count2 = lineValue(doc, 12, "Count>");
    if (kit.extraAmmo)
        kit.count2 = lineValue(doc, 7, "aAmmo>");
    return kit;
}

std::string kitTemplate() {
    std::string text;
    for (const std::string& line : templateLines())
        text += line + "\r\n";
    return text;
}

std::string saveKit(const KitRecord& record) {
    KitLines lines = templateLines();
    nameSlot(lines, record.item1, 3, 8, 6);
    nameSlot(lines, record.item2, 9, 13, 12);

    replaceInLine(lines, 2, "base", record.texture);
    replaceInLine(lines, 5, "base", record.item1);
    replaceInLine(lines, 6, "base", record.count1);
    replaceInLine(lines, 11, "base", record.item2);
    replaceInLine(lines, 12, "base", record.count2);

    if (record.grenadeLauncher)
        replaceInLine(lines, 7, "base", "1");
    if (record.extraAmmo)
        replaceInLine(lines, 7, "<GrenadeLauncher>base</GrenadeLauncher>",
                      "<ExtraAmmo>" + record.count2 + "</ExtraAmmo>");
    if (!record.grenadeLauncher && !record.extraAmmo)
        lines[7] = "\t";
    if (record.item2.empty())
        for (int i = 9; i <= 13; ++i)
            lines[i] = "\t";
    if (record.item1.empty())
        for (int i = 3; i <= 8; ++i)
            lines[i] = "\t";

    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    // Lines emptied above hold a single TAB; they are left out of the file.
    return replaceAll(text, "\t\r\n", "");
}

} // namespace dorva
