// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/start_program.h"

int main(int argc, char** argv)
{
    return StartProgram(argc, argv);
}
