#include "library.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>

namespace
{
const char* const kGenres[] = {"Pop", "Rock", "Schlager", "Ballade", "Latin", "Metal", "Jazz"};
const char* const kLanguages[] = {"Deutsch", "English", "Spanish", "French"};
const char* const kEditions[] = {"Party", "Classics", "Sommer", "Winter", "Duett", "Kids"};
}

void GenerateLibrary(const std::string& root, int songs)
{
    mkdir(root.c_str(), 0755);
    std::string body;
    for (int n = 0; n < 300; ++n)
        body += ": " + std::to_string(n * 4) + " 3 " + std::to_string(50 + n % 20) + " la\n";
    body += "E\n";
    for (int i = 0; i < songs; ++i)
    {
        const std::string artist = "Artist " + std::to_string(i / 10);
        const std::string title = "Song " + std::to_string(i);
        const std::string group = root + "/" + std::to_string(i / 1000);
        const std::string artistDir = group + "/" + artist;
        const std::string songDir = artistDir + "/" + title;
        if (i % 1000 == 0)
            mkdir(group.c_str(), 0755);
        if (i % 10 == 0)
            mkdir(artistDir.c_str(), 0755);
        mkdir(songDir.c_str(), 0755);
        std::string text = "#TITLE:" + title + "\n#ARTIST:" + artist + "\n";
        text += "#MP3:" + artist + " - " + title + ".mp3\n";
        text += "#COVER:" + artist + " - " + title + " [CO].jpg\n";
        text += "#VIDEO:" + artist + " - " + title + ".avi\n";
        text += "#BPM:" + std::to_string(100000 + i) + "\n";
        text += "#GAP:" + std::to_string(200000 + i) + "\n";
        text += std::string("#LANGUAGE:") + kLanguages[i % 4] + "\n";
        text += std::string("#GENRE:") + kGenres[i % 7] + "\n";
        text += std::string("#EDITION:") + kEditions[i % 6] + "\n";
        text += "#YEAR:" + std::to_string(1960 + i % 60) + "\n";
        text += body;
        const std::string path = songDir + "/" + artist + " - " + title + ".txt";
        if (FILE* f = std::fopen(path.c_str(), "wb"))
        {
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
    }
}
