// SPDX-License-Identifier: GPL-3.0-or-later
// A helper that the platform service tests start as a child process:
//   touch FILE [WORD...]     writes the words, one a line, into FILE
//   write-unprivileged FILE SECTION KEY VALUE
//                            gives up root rights, then writes the profile
//                            value; exit code 0 when the write succeeded
//   write-forever FILE       sets the value of [s] k to KillValueA and
//                            KillValueB in turn until it is killed
#include "platform/files/kill_values.h"
#include "platform/files/profile.h"

#include <unistd.h>
#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "touch" && argc >= 3) {
        std::FILE* file = std::fopen(argv[2], "w");
        if (!file)
            return 1;
        for (int i = 3; i < argc; ++i)
            std::fprintf(file, "%s\n", argv[i]);
        return std::fclose(file) == 0 ? 0 : 1;
    }
    if (command == "write-unprivileged" && argc == 6) {
        // Root may write anywhere; the user "nobody" may not.
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return 3;
        return WriteProfileText(argv[2], argv[3], std::string(argv[4]), std::string(argv[5])) ? 0 : 1;
    }
    if (command == "write-forever" && argc == 3) {
        for (bool first = true;; first = !first)
            WriteProfileText(argv[2], "s", std::string("k"), first ? KillValueA() : KillValueB());
    }
    return 2;
}
