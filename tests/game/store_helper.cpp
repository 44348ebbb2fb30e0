// A second process for the store's tests:
//   store_helper save-loop 0|1  saves the record set given, then the other, and so on, writing
//                               one byte to standard output after each complete save; it only
//                               ends when a save fails (the tests kill it half way through)
//   store_helper show K         loads the store and prints category K's best score, hits,
//                               misses and time text, separated by spaces

#include "record_sets.h"

#include "platform/settings.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

namespace {

int saveLoop(int first)
{
    zelmo::RecordStore sets[2];
    testing_support::fillRecordSet(sets[0], 0);
    testing_support::fillRecordSet(sets[1], 1);
    for (int set = first;; set = 1 - set) {
        platform::TRegistryIniFile ini(platform::HKEY_CURRENT_USER, "Software");
        sets[set].save(ini);
        if (write(STDOUT_FILENO, "s", 1) != 1)
            return 3;
    }
}

std::string ascii(const std::u16string &text)
{
    return std::string(text.begin(), text.end());
}

int show(int k)
{
    zelmo::RecordStore store;
    platform::TRegistryIniFile ini(platform::HKEY_CURRENT_USER, "Software");
    store.load(ini);
    const auto count = store.SeikairituCounts.at(static_cast<std::size_t>(k));
    std::printf("%s %d %d %s\n", ascii(store.hiScoreCaption(k)).c_str(), count.A, count.H,
                ascii(store.timeCaption(k)).c_str());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    try {
        if (argc == 3 && std::strcmp(argv[1], "save-loop") == 0 &&
            (std::strcmp(argv[2], "0") == 0 || std::strcmp(argv[2], "1") == 0))
            return saveLoop(argv[2][0] - '0');
        if (argc == 3 && std::strcmp(argv[1], "show") == 0)
            return show(std::atoi(argv[2]));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::fputs("usage: store_helper save-loop 0|1 | show K\n", stderr);
    return 2;
}
