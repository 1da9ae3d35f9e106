// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_window_template.h"

#include <string_view>

#include "media/pictures.h"
#include "platform/texts/translation.h"
#include "ui/about_window.h"
#include "ui/contact.h"
#include "ui/help_texts.h"
#include "ui/song_font.h"

// Units are written as designated initialisers that name only what differs
// from the defaults; GCC 12 warns about every field left out.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {
const Colour Black = Rgb(0, 0, 0);
const Colour White = Rgb(255, 255, 255);

// The host name of a web address: what the web site's link box shows.
std::string HostOf(std::string_view address)
{
    if (const auto scheme = address.find("://"); scheme != std::string_view::npos)
        address.remove_prefix(scheme + 3);
    return std::string(address.substr(0, address.find('/')));
}

UnitTemplate Caption(const UnitRef& ref, const char* name, Rect rect, std::string text)
{
    return {.name = name,
            .kind = UnitKind::Label,
            .id = ref.unit,
            .rect = rect,
            .text = std::move(text),
            .font = SongFont(12),
            .textColour = Black,
            .backColour = White,
            .vAlign = VAlign::Centre};
}

UnitTemplate Link(const UnitRef& ref, const char* name, Rect rect, std::string caption, std::string target)
{
    return {.name = name,
            .kind = UnitKind::HyperLinker,
            .id = ref.unit,
            .rect = rect,
            .text = std::move(caption),
            .font = SongFont(12),
            .vAlign = VAlign::Centre,
            .link = std::move(target)};
}

UnitTemplate Picture(const UnitRef& ref, const char* name, Rect rect, std::string accessibleName, Bytes picture,
                     Bytes cursor = {})
{
    return {.name = name,
            .kind = UnitKind::PicBox,
            .id = ref.unit,
            .rect = rect,
            .cursor = std::move(cursor),
            .accessibleName = std::move(accessibleName),
            .picture = std::move(picture)};
}

WindowTemplate Build()
{
    WindowTemplate window;
    window.windowId = AboutWindowId;

    UnitTemplate& self = window.self;
    self.name = "关于窗口";
    self.kind = UnitKind::window;
    self.id = 关于窗口.unit;
    self.rect = {0, 0, 419, 328};
    // No title and no control box: the window has no title bar.
    self.borderStyle = window_border::EdgeFixed;
    self.controlBox = self.minBox = self.maxBox = false;
    // Without a title a screen reader still needs a name for it.
    self.accessibleName = Translate("AboutWindow", "关于");
    self.escCloses = true;
    self.startPosition = start_position::Centred;
    self.backColour = White;
    self.picture = AboutBannerPicture();
    self.pictureMode = picture_mode::TopLeft;
    self.events = {{Event::LeftDown, Run(CloseAboutWindow)}};

    const std::string contactPage = std::string(contact::WebSite) + "/contact";
    UnitTemplate mail = Link(超级链接框3, "超级链接框3", {224, 159, 102, 20}, contact::Mail, {});
    mail.mailLink = true;
    UnitTemplate title = Link(超级链接框4, "超级链接框4", {64, 264, 336, 48},
                              Translate("AboutWindow", "Korvel·汉诺塔(Torvane) v1.2"), contact::WebSite);
    title.font = SongFont(21, FontWeight::Bold);
    // One line in the game's Chinese; a longer translation takes the second
    // line the box has room for.
    title.wordWrap = true;

    UnitTemplate dragged =
        Picture(图片框1, "图片框1", {8, 94, 150, 150}, Translate("AboutWindow", "拖动此图可移动窗口"),
                AboutPegsPicture(), PredefinedCursor(CursorShape::SizeAll));
    dragged.events = {{Event::LeftDown, Run(DragAboutWindow)}};
    UnitTemplate help = Picture(图片框2, "图片框2", {336, 192, 64, 64}, Translate("AboutWindow", "帮助"),
                                AboutHelpPicture(), PredefinedCursor(CursorShape::Hand));
    help.events = {{Event::LeftDown, Run(ShowHelpText)}};

    window.units = {
        dragged,
        Caption(标签5, "标签5", {184, 91, 40, 20}, Translate("AboutWindow", "开发：")),
        Link(超级链接框5, "超级链接框5", {224, 91, 48, 20}, contact::Developer, contact::WebSite),
        Caption(标签1, "标签1", {184, 125, 40, 20}, Translate("AboutWindow", "网站：")),
        Link(超级链接框1, "超级链接框1", {224, 125, 120, 20}, HostOf(contact::WebSite), contact::WebSite),
        Caption(标签3, "标签3", {184, 159, 40, 20}, Translate("AboutWindow", "邮件：")),
        mail,
        Caption(标签2, "标签2", {184, 193, 36, 20}, Translate("AboutWindow", "Q  Q：")),
        Link(超级链接框2, "超级链接框2", {224, 193, 68, 20}, contact::MessengerNumber, contactPage),
        Caption(标签6, "标签6", {184, 229, 40, 20}, Translate("AboutWindow", "地区：")),
        Link(超级链接框6, "超级链接框6", {224, 229, 96, 20}, contact::Region, contactPage),
        help,
        Picture(图片框3, "图片框3", {8, 264, 48, 48}, Translate("AboutWindow", "汉诺塔"), AboutDisksPicture()),
        title,
    };
    return window;
}
}  // namespace

const WindowTemplate& AboutWindowTemplate()
{
    static const WindowTemplate window = Build();
    return window;
}
