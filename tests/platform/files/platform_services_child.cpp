// SPDX-License-Identifier: GPL-3.0-or-later
// A helper that the platform service tests start as a child process:
//   touch FILE [WORD...]     writes the words, one a line, into FILE
//   write-unprivileged FILE SECTION KEY VALUE [KEY VALUE...]
//                            gives up root rights, then writes the profile
//                            values as one edit; exit code 0 when every
//                            write succeeded
//   write-forever FILE       sets the value of [s] k to KillValueA and
//                            KillValueB in turn until it is killed
#include "platform/files/kill_values.h"
#include "platform/files/profile.h"
#include "platform/files/profile_edit.h"

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
    if (command == "write-unprivileged" && argc >= 6 && argc % 2 == 0) {
        // Root may write anywhere; the user "nobody" may not.
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return 3;
        ProfileEdit edit(argv[2]);
        bool written = true;
        for (int i = 4; i < argc; i += 2)
            written = edit.Write(argv[3], std::string(argv[i]), std::string(argv[i + 1])) && written;
        return written && edit.Commit() ? 0 : 1;
    }
    if (command == "write-forever" && argc == 3) {
        for (bool first = true;; first = !first)
            WriteProfileText(argv[2], "s", std::string("k"), first ? KillValueA() : KillValueB());
    }
    return 2;
}
