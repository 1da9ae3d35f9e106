// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/program_identity.h"

const char* ProgramVersion()
{
    return TORVANE_VERSION;
}

const char* ProgramId()
{
    return TORVANE_APP_ID;
}

const char* ProgramName()
{
    return "torvane";
}
