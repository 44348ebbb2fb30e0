// Saves the settings and records over and over, for the tests that kill it half way through a
// save:  store_save_helper <0|1>  saves the record set given, then the other, and so on, and
// writes one byte to standard output after each complete save. It only ends when a save fails.

#include "record_sets.h"

#include "platform/settings.h"

#include <unistd.h>

#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    if (argc != 2 || (argv[1][0] != '0' && argv[1][0] != '1')) {
        std::fputs("usage: store_save_helper 0|1\n", stderr);
        return 2;
    }
    zelmo::RecordStore sets[2];
    testing_support::fillRecordSet(sets[0], 0);
    testing_support::fillRecordSet(sets[1], 1);
    try {
        for (int set = argv[1][0] - '0';; set = 1 - set) {
            platform::TRegistryIniFile ini(platform::HKEY_CURRENT_USER, "Software");
            sets[set].save(ini);
            if (write(STDOUT_FILENO, "s", 1) != 1)
                return 3;
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "the save failed: %s\n", e.what());
        return 1;
    }
}
