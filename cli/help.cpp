#include "cli/help.h"

#include "document/fields.h"
#include "formats/fieldrules.h"

#include <vector>

namespace dorva {

namespace {

constexpr std::size_t kWidth = 96;

// The words wrapped into lines of at most kWidth characters, each line starting with indent.
std::string wrap(const std::vector<std::string>& words, const std::string& indent) {
    std::string text;
    std::string line = indent;
    for (const std::string& word : words) {
        if (line.size() > indent.size() && line.size() + 1 + word.size() > kWidth) {
            text += line + "\n";
            line = indent;
        }
        if (line.size() > indent.size())
            line += ' ';
        line += word;
    }
    return text + line + "\n";
}

std::vector<std::string> split(const std::string& sentence) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < sentence.size()) {
        const std::size_t space = sentence.find(' ', start);
        const std::size_t end = space == std::string::npos ? sentence.size() : space;
        if (end > start)
            words.push_back(sentence.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

std::string joined(const std::vector<std::string>& items, const std::string& separator,
                   const std::string& last) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? last : separator;
        text += items[i];
    }
    return text;
}

// Keys that share a value, in the order the values first appear.
template <class Value> class KeyGroups {
public:
    void add(const std::string& key, const Value& value) {
        auto it = groups_.begin();
        while (it != groups_.end() && it->second != value)
            ++it;
        if (it == groups_.end())
            groups_.push_back({{key}, value});
        else
            it->first.push_back(key);
    }
    const std::vector<std::pair<std::vector<std::string>, Value>>& groups() const {
        return groups_;
    }

private:
    std::vector<std::pair<std::vector<std::string>, Value>> groups_;
};

std::string repairText(const LeaveRepair& repair) {
    std::string text = "empty gives " + std::string(repair.empty);
    if (repair.limit)
        text +=
            ", above " + std::to_string(*repair.limit) + " gives " + std::to_string(*repair.limit);
    return text;
}

// Lines of help, one per repair: "Weapon, Stamina, Stealth, Leadership: empty gives 1, above
// 255 gives 255".
std::vector<std::string> repairHelp() {
    KeyGroups<std::string> repairs;
    for (const Kind kind : {Kind::Actor, Kind::Kit, Kind::Mission})
        for (const Field& field : fieldsOf(kind))
            if (field.repair)
                repairs.add(field.key, repairText(*field.repair));
    std::vector<std::string> help;
    for (const auto& [keys, rule] : repairs.groups())
        help.push_back(joined(keys, ", ", ", ") + ": " + rule);
    return help;
}

// "ArmorLevel 0-3 (None, Light, Medium, Heavy)" for each list, lists with the same entries
// named together.
std::string listHelp() {
    KeyGroups<std::vector<std::string>> lists;
    std::vector<std::string> choices;
    for (const Kind kind : {Kind::Actor, Kind::Kit, Kind::Mission})
        for (const Field& field : fieldsOf(kind)) {
            if (field.type == FieldType::TextList)
                choices.push_back(field.key + " takes " + joined(field.entries, ", ", " or "));
            else if (field.type == FieldType::IndexList)
                lists.add(field.key, field.entries);
        }
    std::vector<std::string> items;
    for (const auto& [keys, entries] : lists.groups())
        items.push_back(joined(keys, ", ", ", ") + " 0-" + std::to_string(entries.size() - 1) +
                        " (" + joined(entries, ", ", ", ") + ")");
    return "Lists take the entry index: " + joined(items, "; ", "; ") + ". " +
           joined(choices, ". ", ". ") + ".";
}

} // namespace

std::string keyListHelp(Kind kind) {
    std::vector<std::string> items;
    const auto& fields = fieldsOf(kind);
    for (std::size_t i = 0; i < fields.size(); ++i)
        items.push_back(fields[i].key + (i + 1 < fields.size() ? "," : ""));
    return std::string("  ") + kindName(kind) + " keys:\n" + wrap(items, "    ");
}

std::string valueHelp() {
    std::string text =
        "Values:\n"
        "  Values are UTF-8 on the command line and in the output; files hold code page 932,\n"
        "  and a character that code page 932 cannot hold is an error.\n"
        "  In KEY=VALUE output and arguments a backslash is written \\\\, CR \\r and LF \\n;\n"
        "  only BriefingText takes line breaks. show --json prints plain JSON strings.\n"
        "  Each value is taken as if pasted into its field and the field then left:\n";
    const std::vector<std::string> repairs = repairHelp();
    for (std::size_t i = 0; i < repairs.size(); ++i)
        text += "  " + repairs[i] + (i + 1 < repairs.size() ? ";\n" : ".\n");
    text += wrap(split("Flags (GrenadeLauncher, ExtraAmmo, FogOverride, DemoRequired ... "
                       "GameTypes) take 0 or 1 and act as a click: GrenadeLauncher=1 clears "
                       "ExtraAmmo; ExtraAmmo=1 clears GrenadeLauncher and Item2 (which cannot be "
                       "set while ExtraAmmo is 1) and puts 1 into an empty Count2."),
                 "  ");
    text += wrap(split(listHelp() + " MapSize and WeatherIndex can be set but a mission save "
                                    "does not write them."),
                 "  ");
    return text;
}

std::string tableHelp() {
    const std::string rules =
        "table prints CSV (RFC 4180, UTF-8, CR LF): a header row File,KEY,... and a row per file "
        "with its path as given and each value as show prints it, without escapes. apply takes "
        "such a table: a File path is relative to the table's folder unless absolute, so make "
        "the table in the folder it is saved in. Columns may come in any order or be left out; "
        "an empty cell is a value, so leave out the column of a key to leave the key alone. Each "
        "cell that differs from what its file shows is put in as set puts it, in column order, "
        "and the file saved as set saves it. Every row is checked first: when one is refused "
        "(unknown key, value a field refuses, character code page 932 cannot hold, file that "
        "does not load or is named twice) nothing is written. A file whose values all match is "
        "not written. Let a spreadsheet take every column as text, so that a value such as 007 "
        "stays as it is.";
    return "Tables:\n" + wrap(split(rules), "  ") +
           "  A round trip through a spreadsheet: make the table, edit it there and save it as "
           "CSV\n"
           "  in UTF-8, see what would change (FILE: KEY: old -> new), then apply it:\n\n"
           "    $ dorva-cli table *.atr > roster.csv\n"
           "    $ dorva-cli apply roster.csv --dry-run\n"
           "    $ dorva-cli apply roster.csv\n";
}

std::string diffHelp() {
    const std::string rules =
        "diff A B compares two files of one kind: for each field whose value differs, in key "
        "order, it prints KEY: A_VALUE -> B_VALUE, the values as show prints them. Line breaks "
        "alone are no difference. A mission whose text differs beyond its fields prints \"other "
        "text differs\"; "
        "actor and kit files hold nothing beyond their fields. diff DIR_A DIR_B compares the "
        ".atr, .kit and .mis files found under the same name in both folders (not in their "
        "subfolders), in byte order of the names, and prefixes each line with NAME: . A file in "
        "one folder only gives \"only in DIR: NAME\"; other files are ignored. A file that "
        "cannot be read or loaded is reported and the others are still compared. Exit status as "
        "diff(1): 0 when nothing differs, 1 when something differs, 2 on an error (a file that "
        "cannot be read or loaded, two kinds). --json prints {\"a\": A, \"b\": B, \"fields\": "
        "[{\"key\": K, \"a\": V, \"b\": V}, ...], \"otherTextDiffers\": false} with the "
        "values of show --json; for folders an array of such objects for the files that differ "
        "and {\"onlyIn\": DIR, \"name\": NAME} for each file in one folder only.";
    return "Comparing:\n" + wrap(split(rules), "  ") +
           "  Two copies of a mod's folder:\n\n"
           "    $ dorva-cli diff old new\n"
           "    hero.atr: Weapon: 200 -> 250\n"
           "    only in old: night.mis\n";
}

} // namespace dorva
