// level_script.h -- the level script as the game's level search walks it,
// for the tools that go through every level.
#ifndef LEVEL_SCRIPT_H
#define LEVEL_SCRIPT_H

#include <stdio.h>
#include <stdlib.h>

#include <set>
#include <string>
#include <vector>

struct LevelInfo {
    int number = 0;
    std::vector<std::string> creatures;     // CREATURE names in order
    std::vector<std::string> decorations;   // DECORATION names in order
    std::vector<std::string> comics;        // KOMIX_START / KOMIX_FINISH names
    std::set<std::string> keywords;         // the entries the block has
};

// Reads levels.txt the way the loader's search walks it: LEVEL and its
// number, CREATURE with two arguments, every other word with one.  The
// blocks found are read for their creature and comic names.  Every raw
// "LEVEL n" pair is also noted, so a block the search cannot reach shows.
inline bool scan_levels(const char *path, std::vector<LevelInfo> *levels, std::set<int> *raw_numbers)
{
    FILE *f = fopen(path, "r");
    if (!f)
        return false;
    std::vector<std::string> tokens;
    char word[256];
    while (fscanf(f, " %255s", word) == 1)
        tokens.push_back(word);
    fclose(f);

    for (size_t i = 0; i + 1 < tokens.size(); i++)
        if (tokens[i] == "LEVEL")
            raw_numbers->insert(atoi(tokens[i + 1].c_str()));

    size_t i = 0;
    while (i < tokens.size()) {
        const std::string &t = tokens[i];
        if (t == "LEVEL" && i + 1 < tokens.size()) {
            LevelInfo info;
            info.number = atoi(tokens[i + 1].c_str());
            size_t j = i + 2;
            for (; j < tokens.size() && tokens[j] != "END_OF_LEVEL"; j++) {
                info.keywords.insert(tokens[j]);
                if (tokens[j] == "CREATURE" && j + 1 < tokens.size())
                    info.creatures.push_back(tokens[++j]), j++;
                else if (tokens[j] == "DECORATION" && j + 1 < tokens.size())
                    info.decorations.push_back(tokens[++j]);
                else if ((tokens[j] == "KOMIX_START" || tokens[j] == "KOMIX_FINISH") && j + 1 < tokens.size())
                    info.comics.push_back(tokens[++j]);
            }
            levels->push_back(info);
            i += 2;
        } else if (t == "CREATURE") {
            i += 3;
        } else {
            i += 2;
        }
    }
    return true;
}

#endif
