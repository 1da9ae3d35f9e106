// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/pictures.h"

#include "embedded_assets.h"

namespace {
Bytes Embedded(const unsigned char* data, unsigned size)
{
    return Bytes(data, data + size);
}
}  // namespace

Bytes MainBackgroundPicture()
{
    return Embedded(main_background_jpg, main_background_jpg_size);
}

Bytes PauseCoverPicture()
{
    return Embedded(pause_cover_jpg, pause_cover_jpg_size);
}

Bytes AboutBannerPicture()
{
    return Embedded(about_banner_gif, about_banner_gif_size);
}

Bytes AboutPegsPicture()
{
    return Embedded(about_pegs_gif, about_pegs_gif_size);
}

Bytes AboutHelpPicture()
{
    return Embedded(about_help_gif, about_help_gif_size);
}

Bytes AboutDisksPicture()
{
    return Embedded(about_disks_gif, about_disks_gif_size);
}

Bytes ProgramIconPicture()
{
    return Embedded(org_example_torvane_png, org_example_torvane_png_size);
}
