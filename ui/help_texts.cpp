// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_texts.h"

#include <initializer_list>

#include "platform/controls/message_box.h"
#include "platform/texts/translation.h"

namespace {
std::string JoinLines(std::initializer_list<std::string> lines)
{
    std::string text;
    const char* separator = "";
    for (const std::string& line : lines) {
        text += separator;
        text += line;
        separator = "\r\n";
    }
    return text;
}
}  // namespace

const std::string& ShortcutHelpText()
{
    static const std::string text = JoinLines({
        Translate("Help", "Ctrl + 数字键盘上的加减键，可以增加或减少盘片的数量"),
        Translate("Help", "Shift + 数字键盘上的加减键，可以增加或减少柱子的数量"),
        Translate("Help", "Alt + 数字键盘上的加减键，可以左移或右移主柱的位置"),
    });
    return text;
}

const std::string& LongHelpText()
{
    static const std::string text =
        JoinLines({
            Translate("Help", "***************** 游戏来源 *****************"),
            "",
            Translate("Help", "汉诺塔（又称河内塔）问题是源于印度一个古老传说的益智玩具。"),
            "",
            Translate("Help", "上帝创造世界的时候做了三根金刚石柱子，在一根柱子上从下往上安大小顺序摞着64片黄金圆盘。"),
            "",
            Translate(
                "Help",
                "上帝命令婆罗门把圆盘从下面开始按大小顺序重新摆放在另一根柱子上。并且规定，在小圆盘上不能放大圆盘，"
                "在三根柱子之间一次只能移动一个圆盘。"),
            "",
            Translate("Help", "当婆罗门完成之日，将得到上帝恩赐的一个愿望——无论什么！"),
            "",
            Translate("Help", "也许，当你玩到了第 12 级，你会得到意想不到的 2012 之礼！"),
            "",
            Translate("Help", "***************** 游戏介绍 *****************"),
            "",
            Translate("Help",
                      "精致的画面，悦耳的声音，柱数和盘数可随意调节，充满无限挑战，游戏画面随窗口缩放，犹如Flash的矢量"
                      "图形，保真"
                      "显示"),
            "",
            Translate("Help", "只要你屏幕够大，只要你智商够高，你也可以玩 64 盘，上帝之局！"),
            "",
            Translate("Help",
                      "操作说明：按下鼠标选中任意盘片，这时位于最顶的盘片将自动浮于顶边，左右移动鼠标，可选择要将该盘片"
                      "放置到的新"
                      "柱子，"
                      "确定位置即可放开鼠标完成盘片转移。"),
            "",
            Translate("Help", "快捷反应："),
            "",
            Translate("Help", "空格键 >>> 暂停或继续"),
            Translate("Help", "回车键 >>> 新游戏"),
            Translate("Help", "Ctrl + 回车键 >>> 参数设定（可在弹出的对话框中设定柱数、盘数乃至颜色、背景图片等参数）"),
            Translate("Help", "双击空白处 >>> 全屏/取消全屏"),
            "",
        }) +
        "\r\n" + ShortcutHelpText();
    return text;
}

void ShowHelpText()
{
    ShowMessage(LongHelpText(), mb::Ok);
}

void ShowShortcutHelp()
{
    ShowMessage(ShortcutHelpText(), mb::Ok);
}
