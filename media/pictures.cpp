#include "media/pictures.h"

extern const unsigned char main_background_jpg[];
extern const unsigned main_background_jpg_size;
extern const unsigned char pause_cover_jpg[];
extern const unsigned pause_cover_jpg_size;

Bytes MainBackgroundPicture()
{
    return Bytes(main_background_jpg, main_background_jpg + main_background_jpg_size);
}

Bytes PauseCoverPicture()
{
    return Bytes(pause_cover_jpg, pause_cover_jpg + pause_cover_jpg_size);
}
