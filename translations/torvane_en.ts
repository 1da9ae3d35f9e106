<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Korvel·汉诺塔(Torvane) v1.2</source>
        <translation>Korvel·Tower of Hanoi (Torvane) v1.2</translation>
    </message>
    <message>
        <source>拖动此图可移动窗口</source>
        <translation>Drag this picture to move the window</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>开发：</source>
        <translation>By:</translation>
    </message>
    <message>
        <source>网站：</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>邮件：</source>
        <translation>Mail:</translation>
    </message>
    <message>
        <source>Q  Q：</source>
        <translation>QQ:</translation>
    </message>
    <message>
        <source>地区：</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>汉诺塔</source>
        <translation>Tower of Hanoi</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>%1 柱</source>
        <translation>Peg %1</translation>
    </message>
    <message>
        <source>，主柱</source>
        <translation>, main peg</translation>
    </message>
    <message>
        <source>，空</source>
        <translation>, empty</translation>
    </message>
    <message numerus="yes">
        <source>，%n 个盘</source>
        <translation>
            <numerusform>, %n disk</numerusform>
            <numerusform>, %n disks</numerusform>
        </translation>
    </message>
    <message>
        <source>，顶上 %1 号盘</source>
        <translation>, disk %1 on top</translation>
    </message>
    <message>
        <source>从下到上：%1</source>
        <translation>From the bottom up: %1</translation>
    </message>
    <message>
        <source>%1 号盘，从 %2 柱举起，在 %3 柱上方</source>
        <translation>Disk %1, lifted from peg %2, over peg %3</translation>
    </message>
    <message>
        <source>%1 号盘，在 %2 柱</source>
        <translation>Disk %1, on peg %2</translation>
    </message>
    <message>
        <source>键盘列：%1 柱</source>
        <translation>Keyboard column: peg %1</translation>
    </message>
    <message numerus="yes">
        <source>，中间另有 %n 个盘，</source>
        <translation>
            <numerusform>, %n more disk between, </numerusform>
            <numerusform>, %n more disks between, </numerusform>
        </translation>
    </message>
    <message>
        <source>%1，从下到上：%2</source>
        <translation>%1, from the bottom up: %2</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>%1，%2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>black</translation>
    </message>
    <message>
        <source>深灰色</source>
        <translation>dark grey</translation>
    </message>
    <message>
        <source>灰色</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>中灰色</source>
        <translation>medium grey</translation>
    </message>
    <message>
        <source>银灰色</source>
        <translation>silver</translation>
    </message>
    <message>
        <source>浅灰色</source>
        <translation>light grey</translation>
    </message>
    <message>
        <source>极浅灰色</source>
        <translation>very light grey</translation>
    </message>
    <message>
        <source>白色</source>
        <translation>white</translation>
    </message>
    <message>
        <source>淡红色</source>
        <translation>pale red</translation>
    </message>
    <message>
        <source>淡橙色</source>
        <translation>pale orange</translation>
    </message>
    <message>
        <source>淡黄色</source>
        <translation>pale yellow</translation>
    </message>
    <message>
        <source>淡绿色</source>
        <translation>pale green</translation>
    </message>
    <message>
        <source>淡青色</source>
        <translation>pale cyan</translation>
    </message>
    <message>
        <source>淡蓝色</source>
        <translation>pale blue</translation>
    </message>
    <message>
        <source>淡紫色</source>
        <translation>pale violet</translation>
    </message>
    <message>
        <source>淡粉色</source>
        <translation>pale pink</translation>
    </message>
    <message>
        <source>亮粉色</source>
        <translation>hot pink</translation>
    </message>
    <message>
        <source>浅橙色</source>
        <translation>light orange</translation>
    </message>
    <message>
        <source>浅黄色</source>
        <translation>light yellow</translation>
    </message>
    <message>
        <source>浅绿色</source>
        <translation>light green</translation>
    </message>
    <message>
        <source>浅青色</source>
        <translation>light cyan</translation>
    </message>
    <message>
        <source>天蓝色</source>
        <translation>sky blue</translation>
    </message>
    <message>
        <source>浅紫色</source>
        <translation>light violet</translation>
    </message>
    <message>
        <source>浅玫红色</source>
        <translation>light rose</translation>
    </message>
    <message>
        <source>红色</source>
        <translation>red</translation>
    </message>
    <message>
        <source>橙色</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>黄色</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>green</translation>
    </message>
    <message>
        <source>青色</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>蓝色</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>紫色</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>品红色</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>暗红色</source>
        <translation>dark red</translation>
    </message>
    <message>
        <source>棕色</source>
        <translation>brown</translation>
    </message>
    <message>
        <source>橄榄色</source>
        <translation>olive</translation>
    </message>
    <message>
        <source>深绿色</source>
        <translation>dark green</translation>
    </message>
    <message>
        <source>蓝绿色</source>
        <translation>teal</translation>
    </message>
    <message>
        <source>海军蓝</source>
        <translation>navy</translation>
    </message>
    <message>
        <source>靛青色</source>
        <translation>indigo</translation>
    </message>
    <message>
        <source>深紫色</source>
        <translation>purple</translation>
    </message>
    <message>
        <source>无颜色</source>
        <translation>no colour</translation>
    </message>
    <message>
        <source>红 %1 绿 %2 蓝 %3</source>
        <translation>red %1, green %2, blue %3</translation>
    </message>
</context>
<context>
    <name>ColourPicker</name>
    <message>
        <source>无颜色（默认）</source>
        <translation>No colour (default)</translation>
    </message>
    <message>
        <source>其他颜色...</source>
        <translation>Other colours...</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source> 年</source>
        <translation> yr</translation>
    </message>
    <message>
        <source> 个月</source>
        <translation> mo</translation>
    </message>
    <message>
        <source> 天</source>
        <translation> d</translation>
    </message>
    <message>
        <source> 小时</source>
        <translation> h</translation>
    </message>
    <message>
        <source> 分钟</source>
        <translation> min</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source> 毫秒</source>
        <translation> ms</translation>
    </message>
</context>
<context>
    <name>EditBox</name>
    <message>
        <source>增减</source>
        <translation>Up and down</translation>
    </message>
    <message>
        <source>加一</source>
        <translation>One more</translation>
    </message>
    <message>
        <source>减一</source>
        <translation>One fewer</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>从 %1 到 %2</source>
        <translation>From %1 to %2</translation>
    </message>
    <message>
        <source>原地放下...</source>
        <translation>Put back where it was...</translation>
    </message>
    <message>
        <source>当前是逆向模式，因此：短的盘片不能放在长的盘片上面</source>
        <translation>Reverse mode is on, so a short disk cannot lie on a long one</translation>
    </message>
    <message>
        <source>长的盘片不能放在短的盘片上面</source>
        <translation>A long disk cannot lie on a short one</translation>
    </message>
    <message>
        <source>放下正确，继续...</source>
        <translation>Well placed, go on...</translation>
    </message>
    <message numerus="yes">
        <source>%n 步</source>
        <translation>
            <numerusform>%n step</numerusform>
            <numerusform>%n steps</numerusform>
        </translation>
    </message>
    <message>
        <source>您已成功完成转移工作！更改盘片数可按下 Ctrl + Enter 键或右键菜单【参数设定】</source>
        <translation>All moved! For other disks: Ctrl + Enter or right-click [Settings]</translation>
    </message>
    <message>
        <source>0 秒</source>
        <translation>0 s</translation>
    </message>
    <message>
        <source>游戏初始完毕..第一次选择盘片进行移动时将开始计时..</source>
        <translation>New game ready.. the clock starts when you lift a disk..</translation>
    </message>
    <message>
        <source>您 出色 地完成了原地打转！= =</source>
        <translation>You have brilliantly gone round in a circle! = =</translation>
    </message>
    <message>
        <source>继续游戏</source>
        <translation>Game resumed</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ctrl + 数字键盘上的加减键，可以增加或减少盘片的数量</source>
        <translation>Ctrl + the keypad plus and minus keys: more or fewer disks</translation>
    </message>
    <message>
        <source>Shift + 数字键盘上的加减键，可以增加或减少柱子的数量</source>
        <translation>Shift + the keypad plus and minus keys: more or fewer pegs</translation>
    </message>
    <message>
        <source>Alt + 数字键盘上的加减键，可以左移或右移主柱的位置</source>
        <translation>Alt + the keypad plus and minus keys: move the main peg left or right</translation>
    </message>
    <message>
        <source>***************** 游戏来源 *****************</source>
        <translation>***************** Where the game comes from *****************</translation>
    </message>
    <message>
        <source>汉诺塔（又称河内塔）问题是源于印度一个古老传说的益智玩具。</source>
        <translation>The Tower of Hanoi is a puzzle that comes from an old legend of India.</translation>
    </message>
    <message>
        <source>上帝创造世界的时候做了三根金刚石柱子，在一根柱子上从下往上安大小顺序摞着64片黄金圆盘。</source>
        <translation>When God made the world, He made three diamond pegs, and on one of them He stacked 64 golden disks, the largest at the bottom.</translation>
    </message>
    <message>
        <source>上帝命令婆罗门把圆盘从下面开始按大小顺序重新摆放在另一根柱子上。并且规定，在小圆盘上不能放大圆盘，在三根柱子之间一次只能移动一个圆盘。</source>
        <translation>God told the Brahmins to stack the disks again, in order of size, on another peg. A larger disk may never lie on a smaller one, and only one disk may move at a time between the three pegs.</translation>
    </message>
    <message>
        <source>当婆罗门完成之日，将得到上帝恩赐的一个愿望——无论什么！</source>
        <translation>On the day the Brahmins finish, God will grant them one wish, whatever it is!</translation>
    </message>
    <message>
        <source>也许，当你玩到了第 12 级，你会得到意想不到的 2012 之礼！</source>
        <translation>Perhaps when you reach level 12, an unexpected gift of 2012 awaits you!</translation>
    </message>
    <message>
        <source>***************** 游戏介绍 *****************</source>
        <translation>***************** About the game *****************</translation>
    </message>
    <message>
        <source>精致的画面，悦耳的声音，柱数和盘数可随意调节，充满无限挑战，游戏画面随窗口缩放，犹如Flash的矢量图形，保真显示</source>
        <translation>Fine pictures and pleasant sounds, as many pegs and disks as you like, endless challenge; the board scales with the window like a Flash vector drawing and stays sharp</translation>
    </message>
    <message>
        <source>只要你屏幕够大，只要你智商够高，你也可以玩 64 盘，上帝之局！</source>
        <translation>With a screen large enough and wits sharp enough, you too can play 64 disks, the game of God!</translation>
    </message>
    <message>
        <source>操作说明：按下鼠标选中任意盘片，这时位于最顶的盘片将自动浮于顶边，左右移动鼠标，可选择要将该盘片放置到的新柱子，确定位置即可放开鼠标完成盘片转移。</source>
        <translation>How to play: press the mouse on any disk; the top disk of that peg floats up to the top edge. Move the mouse left or right to choose the peg to put it on, and release the button there to move the disk.</translation>
    </message>
    <message>
        <source>快捷反应：</source>
        <translation>Shortcuts:</translation>
    </message>
    <message>
        <source>空格键 &gt;&gt;&gt; 暂停或继续</source>
        <translation>Space &gt;&gt;&gt; pause or go on</translation>
    </message>
    <message>
        <source>回车键 &gt;&gt;&gt; 新游戏</source>
        <translation>Enter &gt;&gt;&gt; new game</translation>
    </message>
    <message>
        <source>Ctrl + 回车键 &gt;&gt;&gt; 参数设定（可在弹出的对话框中设定柱数、盘数乃至颜色、背景图片等参数）</source>
        <translation>Ctrl + Enter &gt;&gt;&gt; settings (pegs, disks, colours and more, in the dialog that opens)</translation>
    </message>
    <message>
        <source>双击空白处 &gt;&gt;&gt; 全屏/取消全屏</source>
        <translation>Double-click an empty place &gt;&gt;&gt; full screen on or off</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>提示：从 %1 到 %2（至少还需 %3 步）</source>
        <translation>Hint: from %1 to %2 (at least %3 moves to go)</translation>
    </message>
    <message>
        <source>提示：从 %1 到 %2（还需 %3 步）</source>
        <translation>Hint: from %1 to %2 (%3 moves to go)</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>左边没有柱了</source>
        <translation>No peg further left</translation>
    </message>
    <message>
        <source>右边没有柱了</source>
        <translation>No peg further right</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
您暂停了游戏，为防止暂停期间的思考（此举为时间作弊），故以此图遮挡画面。<byte value="xd"/>
<byte value="xd"/>
继续游戏请点击 &gt;&gt;&gt;</source>
        <translation>


You have paused the game. This picture hides the board, so that thinking during the pause (which would be cheating on time) is no help.

Click to go on &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>游戏已暂停</source>
        <translation>Game paused</translation>
    </message>
    <message>
        <source>键盘列</source>
        <translation>Keyboard column</translation>
    </message>
    <message>
        <source>盘</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>柱</source>
        <translation>Peg</translation>
    </message>
    <message>
        <source>地基</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>步数</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>新游戏     (回车)</source>
        <translation>New game     (Enter)</translation>
    </message>
    <message>
        <source>逆向模式</source>
        <translation>Reverse mode</translation>
    </message>
    <message>
        <source>暂停       (空格)</source>
        <translation>Pause       (Space)</translation>
    </message>
    <message>
        <source>查看走法...</source>
        <translation>Show the moves...</translation>
    </message>
    <message>
        <source>静音       (J)</source>
        <translation>Mute       (J)</translation>
    </message>
    <message>
        <source>正确放下方计一步</source>
        <translation>Count only correct drops as steps</translation>
    </message>
    <message>
        <source>参数设定...(Ctrl + 回车)</source>
        <translation>Settings...(Ctrl + Enter)</translation>
    </message>
    <message>
        <source>恢复初始参数..</source>
        <translation>Restore the defaults..</translation>
    </message>
    <message>
        <source>关于       (F1)</source>
        <translation>About       (F1)</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Korvel·汉诺塔(Torvane) v%1 - 开发：%2  QQ：%3  邮件：%4</source>
        <translation>Tower of Hanoi (Torvane) v%1 by %2  QQ: %3  %4</translation>
    </message>
    <message>
        <source>状态栏</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>提示 (Ctrl+H)</source>
        <translation>Hint (Ctrl+H)</translation>
    </message>
    <message>
        <source>演示 (Ctrl+D)</source>
        <translation>Demonstration (Ctrl+D)</translation>
    </message>
    <message>
        <source>成绩... (Ctrl+R)</source>
        <translation>Records... (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>逆向模式，则盘片上到下的顺序是大到小，否则是小到大<byte value="xd"/>
<byte value="xd"/>
点击确定，将应用本设置并开始新游戏！</source>
        <translation>In reverse mode the disks go from large at the top to small below; otherwise from small to large

Click OK to apply this and start a new game!</translation>
    </message>
    <message>
        <source>您确定要恢复初始参数并开始新游戏吗？</source>
        <translation>Do you really want to restore the defaults and start a new game?</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>%1，已勾选</source>
        <translation>%1, checked</translation>
    </message>
    <message>
        <source>%1，未勾选</source>
        <translation>%1, not checked</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>信息：</source>
        <translation>Information:</translation>
    </message>
</context>
<context>
    <name>MoveRecord</name>
    <message>
        <source>当前的走法记录：</source>
        <translation>Moves so far:</translation>
    </message>
    <message>
        <source>走法记录</source>
        <translation>Moves</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>新纪录！</source>
        <translation>New record! </translation>
    </message>
    <message>
        <source>成绩未能存入文件！</source>
        <translation>The records could not be saved! </translation>
    </message>
    <message>
        <source>您确定要清除全部成绩吗？</source>
        <translation>Do you really want to clear all records?</translation>
    </message>
    <message>
        <source>成绩</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>柱数</source>
        <translation>Pegs</translation>
    </message>
    <message>
        <source>盘数</source>
        <translation>Disks</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>最短用时</source>
        <translation>Best time</translation>
    </message>
    <message>
        <source>最少走法</source>
        <translation>Fewest moves</translation>
    </message>
    <message>
        <source>至少需要</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>完成次数</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>清除成绩</source>
        <translation>Clear records</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>至少 %1</source>
        <translation>at least %1</translation>
    </message>
    <message>
        <source>逆向</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>0.无渐变背景</source>
        <translation>0.No gradient</translation>
    </message>
    <message>
        <source>1.从上到下</source>
        <translation>1.Downward</translation>
    </message>
    <message>
        <source>2.从左到右</source>
        <translation>2.Rightward</translation>
    </message>
    <message>
        <source>3.从左上到右下</source>
        <translation>3.Down-right</translation>
    </message>
    <message>
        <source>4.从右上到左下</source>
        <translation>4.Down-left</translation>
    </message>
    <message>
        <source>5.从下到上</source>
        <translation>5.Upward</translation>
    </message>
    <message>
        <source>6.从右到左</source>
        <translation>6.Leftward</translation>
    </message>
    <message>
        <source>7.从右下到左上</source>
        <translation>7.Up-left</translation>
    </message>
    <message>
        <source>8.从左下到右上</source>
        <translation>8.Up-right</translation>
    </message>
    <message>
        <source>0、无边框</source>
        <translation>0.No border</translation>
    </message>
    <message>
        <source>1、凹入式</source>
        <translation>1.Sunken</translation>
    </message>
    <message>
        <source>2、凸出式</source>
        <translation>2.Raised</translation>
    </message>
    <message>
        <source>3、浅凹入式</source>
        <translation>3.Thin sunken</translation>
    </message>
    <message>
        <source>4、镜框式</source>
        <translation>4.Frame</translation>
    </message>
    <message>
        <source>5、单线边框式</source>
        <translation>5.Single line</translation>
    </message>
    <message>
        <source>设置游戏参数</source>
        <translation>Game settings</translation>
    </message>
    <message>
        <source>必看</source>
        <translation>Read me</translation>
    </message>
    <message>
        <source>柱子、盘片的数量</source>
        <translation>Pegs and disks</translation>
    </message>
    <message>
        <source>盘数</source>
        <translation>Disks</translation>
    </message>
    <message>
        <source>盘数：</source>
        <translation>Disks:</translation>
    </message>
    <message>
        <source>修改对象</source>
        <translation>Element to restyle</translation>
    </message>
    <message>
        <source>柱</source>
        <translation>Peg</translation>
    </message>
    <message>
        <source>主柱</source>
        <translation>Main peg</translation>
    </message>
    <message>
        <source>盘</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>地基</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>渐变颜色、方式和边框</source>
        <translation>Colours and border</translation>
    </message>
    <message>
        <source>渐变方式</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>颜色 3</source>
        <translation>Colour 3</translation>
    </message>
    <message>
        <source>颜色 2</source>
        <translation>Colour 2</translation>
    </message>
    <message>
        <source>颜色 1</source>
        <translation>Colour 1</translation>
    </message>
    <message>
        <source>边框</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>主柱：</source>
        <translation>Main:</translation>
    </message>
    <message>
        <source>柱数</source>
        <translation>Pegs</translation>
    </message>
    <message>
        <source>柱数：</source>
        <translation>Pegs:</translation>
    </message>
</context>
</TS>
