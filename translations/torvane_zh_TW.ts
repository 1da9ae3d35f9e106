<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>关于</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Korvel·汉诺塔(Torvane) v1.2</source>
        <translation>Korvel·河內塔(Torvane) v1.2</translation>
    </message>
    <message>
        <source>拖动此图可移动窗口</source>
        <translation>拖曳此圖可移動視窗</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>开发：</source>
        <translation>開發：</translation>
    </message>
    <message>
        <source>网站：</source>
        <translation>網站：</translation>
    </message>
    <message>
        <source>邮件：</source>
        <translation>郵件：</translation>
    </message>
    <message>
        <source>Q  Q：</source>
        <translation>Q  Q：</translation>
    </message>
    <message>
        <source>地区：</source>
        <translation>地區：</translation>
    </message>
    <message>
        <source>汉诺塔</source>
        <translation>河內塔</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>%1 柱</source>
        <translation>%1 柱</translation>
    </message>
    <message>
        <source>，主柱</source>
        <translation>，主柱</translation>
    </message>
    <message>
        <source>，空</source>
        <translation>，空</translation>
    </message>
    <message numerus="yes">
        <source>，%n 个盘</source>
        <translation>
            <numerusform>，%n 個盤</numerusform>
        </translation>
    </message>
    <message>
        <source>，顶上 %1 号盘</source>
        <translation>，頂端 %1 號盤</translation>
    </message>
    <message>
        <source>从下到上：%1</source>
        <translation>從下到上：%1</translation>
    </message>
    <message>
        <source>%1 号盘，从 %2 柱举起，在 %3 柱上方</source>
        <translation>%1 號盤，從 %2 柱舉起，在 %3 柱上方</translation>
    </message>
    <message>
        <source>%1 号盘，在 %2 柱</source>
        <translation>%1 號盤，在 %2 柱</translation>
    </message>
    <message>
        <source>键盘列：%1 柱</source>
        <translation>鍵盤列：%1 柱</translation>
    </message>
    <message numerus="yes">
        <source>，中间另有 %n 个盘，</source>
        <translation>
            <numerusform>，中間另有 %n 個盤，</numerusform>
        </translation>
    </message>
    <message>
        <source>%1，从下到上：%2</source>
        <translation>%1，從下到上：%2</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>%1，%2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>深灰色</source>
        <translation>深灰色</translation>
    </message>
    <message>
        <source>灰色</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>中灰色</source>
        <translation>中灰色</translation>
    </message>
    <message>
        <source>银灰色</source>
        <translation>銀灰色</translation>
    </message>
    <message>
        <source>浅灰色</source>
        <translation>淺灰色</translation>
    </message>
    <message>
        <source>极浅灰色</source>
        <translation>極淺灰色</translation>
    </message>
    <message>
        <source>白色</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>淡红色</source>
        <translation>淡紅色</translation>
    </message>
    <message>
        <source>淡橙色</source>
        <translation>淡橙色</translation>
    </message>
    <message>
        <source>淡黄色</source>
        <translation>淡黃色</translation>
    </message>
    <message>
        <source>淡绿色</source>
        <translation>淡綠色</translation>
    </message>
    <message>
        <source>淡青色</source>
        <translation>淡青色</translation>
    </message>
    <message>
        <source>淡蓝色</source>
        <translation>淡藍色</translation>
    </message>
    <message>
        <source>淡紫色</source>
        <translation>淡紫色</translation>
    </message>
    <message>
        <source>淡粉色</source>
        <translation>淡粉色</translation>
    </message>
    <message>
        <source>亮粉色</source>
        <translation>亮粉色</translation>
    </message>
    <message>
        <source>浅橙色</source>
        <translation>淺橙色</translation>
    </message>
    <message>
        <source>浅黄色</source>
        <translation>淺黃色</translation>
    </message>
    <message>
        <source>浅绿色</source>
        <translation>淺綠色</translation>
    </message>
    <message>
        <source>浅青色</source>
        <translation>淺青色</translation>
    </message>
    <message>
        <source>天蓝色</source>
        <translation>天藍色</translation>
    </message>
    <message>
        <source>浅紫色</source>
        <translation>淺紫色</translation>
    </message>
    <message>
        <source>浅玫红色</source>
        <translation>淺玫紅色</translation>
    </message>
    <message>
        <source>红色</source>
        <translation>紅色</translation>
    </message>
    <message>
        <source>橙色</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>黄色</source>
        <translation>黃色</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>綠色</translation>
    </message>
    <message>
        <source>青色</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>蓝色</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>紫色</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>品红色</source>
        <translation>品紅色</translation>
    </message>
    <message>
        <source>暗红色</source>
        <translation>暗紅色</translation>
    </message>
    <message>
        <source>棕色</source>
        <translation>棕色</translation>
    </message>
    <message>
        <source>橄榄色</source>
        <translation>橄欖色</translation>
    </message>
    <message>
        <source>深绿色</source>
        <translation>深綠色</translation>
    </message>
    <message>
        <source>蓝绿色</source>
        <translation>藍綠色</translation>
    </message>
    <message>
        <source>海军蓝</source>
        <translation>海軍藍</translation>
    </message>
    <message>
        <source>靛青色</source>
        <translation>靛青色</translation>
    </message>
    <message>
        <source>深紫色</source>
        <translation>深紫色</translation>
    </message>
    <message>
        <source>无颜色</source>
        <translation>無顏色</translation>
    </message>
    <message>
        <source>红 %1 绿 %2 蓝 %3</source>
        <translation>紅 %1 綠 %2 藍 %3</translation>
    </message>
</context>
<context>
    <name>ColourPicker</name>
    <message>
        <source>无颜色（默认）</source>
        <translation>無顏色（預設）</translation>
    </message>
    <message>
        <source>其他颜色...</source>
        <translation>其他顏色...</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source> 年</source>
        <translation> 年</translation>
    </message>
    <message>
        <source> 个月</source>
        <translation> 個月</translation>
    </message>
    <message>
        <source> 天</source>
        <translation> 天</translation>
    </message>
    <message>
        <source> 小时</source>
        <translation> 小時</translation>
    </message>
    <message>
        <source> 分钟</source>
        <translation> 分鐘</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> 秒</translation>
    </message>
    <message>
        <source> 毫秒</source>
        <translation> 毫秒</translation>
    </message>
</context>
<context>
    <name>EditBox</name>
    <message>
        <source>增减</source>
        <translation>增減</translation>
    </message>
    <message>
        <source>加一</source>
        <translation>加一</translation>
    </message>
    <message>
        <source>减一</source>
        <translation>減一</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>从 %1 到 %2</source>
        <translation>從 %1 到 %2</translation>
    </message>
    <message>
        <source>原地放下...</source>
        <translation>原地放下...</translation>
    </message>
    <message>
        <source>当前是逆向模式，因此：短的盘片不能放在长的盘片上面</source>
        <translation>目前是逆向模式，因此：短的盤片不能放在長的盤片上面</translation>
    </message>
    <message>
        <source>长的盘片不能放在短的盘片上面</source>
        <translation>長的盤片不能放在短的盤片上面</translation>
    </message>
    <message>
        <source>放下正确，继续...</source>
        <translation>放下正確，繼續...</translation>
    </message>
    <message numerus="yes">
        <source>%n 步</source>
        <translation>
            <numerusform>%n 步</numerusform>
        </translation>
    </message>
    <message>
        <source>您已成功完成转移工作！更改盘片数可按下 Ctrl + Enter 键或右键菜单【参数设定】</source>
        <translation>您已成功完成轉移工作！更改盤片數可按下 Ctrl + Enter 鍵或右鍵選單【參數設定】</translation>
    </message>
    <message>
        <source>0 秒</source>
        <translation>0 秒</translation>
    </message>
    <message>
        <source>游戏初始完毕..第一次选择盘片进行移动时将开始计时..</source>
        <translation>遊戲初始完畢..第一次選取盤片進行移動時將開始計時..</translation>
    </message>
    <message>
        <source>您 出色 地完成了原地打转！= =</source>
        <translation>您 出色 地完成了原地打轉！= =</translation>
    </message>
    <message>
        <source>继续游戏</source>
        <translation>繼續遊戲</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Ctrl + 数字键盘上的加减键，可以增加或减少盘片的数量</source>
        <translation>Ctrl + 數字鍵台上的加減鍵，可以增加或減少盤片的數量</translation>
    </message>
    <message>
        <source>Shift + 数字键盘上的加减键，可以增加或减少柱子的数量</source>
        <translation>Shift + 數字鍵台上的加減鍵，可以增加或減少柱子的數量</translation>
    </message>
    <message>
        <source>Alt + 数字键盘上的加减键，可以左移或右移主柱的位置</source>
        <translation>Alt + 數字鍵台上的加減鍵，可以左移或右移主柱的位置</translation>
    </message>
    <message>
        <source>***************** 游戏来源 *****************</source>
        <translation>***************** 遊戲來源 *****************</translation>
    </message>
    <message>
        <source>汉诺塔（又称河内塔）问题是源于印度一个古老传说的益智玩具。</source>
        <translation>河內塔（又稱漢諾塔）問題是源於印度一個古老傳說的益智玩具。</translation>
    </message>
    <message>
        <source>上帝创造世界的时候做了三根金刚石柱子，在一根柱子上从下往上安大小顺序摞着64片黄金圆盘。</source>
        <translation>上帝創造世界的時候做了三根金剛石柱子，在一根柱子上從下往上按大小順序疊著64片黃金圓盤。</translation>
    </message>
    <message>
        <source>上帝命令婆罗门把圆盘从下面开始按大小顺序重新摆放在另一根柱子上。并且规定，在小圆盘上不能放大圆盘，在三根柱子之间一次只能移动一个圆盘。</source>
        <translation>上帝命令婆羅門把圓盤從下面開始按大小順序重新擺放在另一根柱子上。並且規定，在小圓盤上不能放大圓盤，在三根柱子之間一次只能移動一個圓盤。</translation>
    </message>
    <message>
        <source>当婆罗门完成之日，将得到上帝恩赐的一个愿望——无论什么！</source>
        <translation>當婆羅門完成之日，將得到上帝恩賜的一個願望——無論什麼！</translation>
    </message>
    <message>
        <source>也许，当你玩到了第 12 级，你会得到意想不到的 2012 之礼！</source>
        <translation>也許，當你玩到了第 12 級，你會得到意想不到的 2012 之禮！</translation>
    </message>
    <message>
        <source>***************** 游戏介绍 *****************</source>
        <translation>***************** 遊戲介紹 *****************</translation>
    </message>
    <message>
        <source>精致的画面，悦耳的声音，柱数和盘数可随意调节，充满无限挑战，游戏画面随窗口缩放，犹如Flash的矢量图形，保真显示</source>
        <translation>精緻的畫面，悅耳的聲音，柱數和盤數可隨意調整，充滿無限挑戰，遊戲畫面隨視窗縮放，猶如Flash的向量圖形，保真顯示</translation>
    </message>
    <message>
        <source>只要你屏幕够大，只要你智商够高，你也可以玩 64 盘，上帝之局！</source>
        <translation>只要你螢幕夠大，只要你智商夠高，你也可以玩 64 盤，上帝之局！</translation>
    </message>
    <message>
        <source>操作说明：按下鼠标选中任意盘片，这时位于最顶的盘片将自动浮于顶边，左右移动鼠标，可选择要将该盘片放置到的新柱子，确定位置即可放开鼠标完成盘片转移。</source>
        <translation>操作說明：按下滑鼠選取任意盤片，這時位於最頂的盤片將自動浮於頂邊，左右移動滑鼠，可選擇要將該盤片放置到的新柱子，確定位置即可放開滑鼠完成盤片轉移。</translation>
    </message>
    <message>
        <source>快捷反应：</source>
        <translation>快速鍵：</translation>
    </message>
    <message>
        <source>空格键 &gt;&gt;&gt; 暂停或继续</source>
        <translation>空白鍵 &gt;&gt;&gt; 暫停或繼續</translation>
    </message>
    <message>
        <source>回车键 &gt;&gt;&gt; 新游戏</source>
        <translation>Enter 鍵 &gt;&gt;&gt; 新遊戲</translation>
    </message>
    <message>
        <source>Ctrl + 回车键 &gt;&gt;&gt; 参数设定（可在弹出的对话框中设定柱数、盘数乃至颜色、背景图片等参数）</source>
        <translation>Ctrl + Enter 鍵 &gt;&gt;&gt; 參數設定（可在彈出的對話方塊中設定柱數、盤數乃至顏色、背景圖片等參數）</translation>
    </message>
    <message>
        <source>双击空白处 &gt;&gt;&gt; 全屏/取消全屏</source>
        <translation>按兩下空白處 &gt;&gt;&gt; 全螢幕/取消全螢幕</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>提示：从 %1 到 %2（至少还需 %3 步）</source>
        <translation>提示：從 %1 到 %2（至少還需 %3 步）</translation>
    </message>
    <message>
        <source>提示：从 %1 到 %2（还需 %3 步）</source>
        <translation>提示：從 %1 到 %2（還需 %3 步）</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>左边没有柱了</source>
        <translation>左邊沒有柱了</translation>
    </message>
    <message>
        <source>右边没有柱了</source>
        <translation>右邊沒有柱了</translation>
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


您暫停了遊戲，為防止暫停期間的思考（此舉為時間作弊），故以此圖遮擋畫面。

繼續遊戲請按一下 &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>游戏已暂停</source>
        <translation>遊戲已暫停</translation>
    </message>
    <message>
        <source>键盘列</source>
        <translation>鍵盤列</translation>
    </message>
    <message>
        <source>盘</source>
        <translation>盤</translation>
    </message>
    <message>
        <source>柱</source>
        <translation>柱</translation>
    </message>
    <message>
        <source>地基</source>
        <translation>地基</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>步数</source>
        <translation>步數</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>新游戏     (回车)</source>
        <translation>新遊戲     (Enter)</translation>
    </message>
    <message>
        <source>逆向模式</source>
        <translation>逆向模式</translation>
    </message>
    <message>
        <source>暂停       (空格)</source>
        <translation>暫停       (空白鍵)</translation>
    </message>
    <message>
        <source>查看走法...</source>
        <translation>檢視走法...</translation>
    </message>
    <message>
        <source>静音       (J)</source>
        <translation>靜音       (J)</translation>
    </message>
    <message>
        <source>正确放下方计一步</source>
        <translation>正確放下才計一步</translation>
    </message>
    <message>
        <source>参数设定...(Ctrl + 回车)</source>
        <translation>參數設定...(Ctrl + Enter)</translation>
    </message>
    <message>
        <source>恢复初始参数..</source>
        <translation>還原初始參數..</translation>
    </message>
    <message>
        <source>关于       (F1)</source>
        <translation>關於       (F1)</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Korvel·汉诺塔(Torvane) v%1 - 开发：%2  QQ：%3  邮件：%4</source>
        <translation>Korvel·河內塔(Torvane) v%1 - 開發：%2  QQ：%3  郵件：%4</translation>
    </message>
    <message>
        <source>状态栏</source>
        <translation>狀態列</translation>
    </message>
    <message>
        <source>提示 (Ctrl+H)</source>
        <translation>提示 (Ctrl+H)</translation>
    </message>
    <message>
        <source>演示 (Ctrl+D)</source>
        <translation>示範 (Ctrl+D)</translation>
    </message>
    <message>
        <source>成绩... (Ctrl+R)</source>
        <translation>成績... (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>逆向模式，则盘片上到下的顺序是大到小，否则是小到大<byte value="xd"/>
<byte value="xd"/>
点击确定，将应用本设置并开始新游戏！</source>
        <translation>逆向模式，則盤片由上到下的順序是大到小，否則是小到大

按一下「確定」，將套用本設定並開始新遊戲！</translation>
    </message>
    <message>
        <source>您确定要恢复初始参数并开始新游戏吗？</source>
        <translation>您確定要還原初始參數並開始新遊戲嗎？</translation>
    </message>
    <message>
        <source>%1，已勾选</source>
        <translation>%1，已勾選</translation>
    </message>
    <message>
        <source>%1，未勾选</source>
        <translation>%1，未勾選</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>選單</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>信息：</source>
        <translation>訊息：</translation>
    </message>
</context>
<context>
    <name>MoveRecord</name>
    <message>
        <source>当前的走法记录：</source>
        <translation>目前的走法紀錄：</translation>
    </message>
    <message>
        <source>走法记录</source>
        <translation>走法紀錄</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>新纪录！</source>
        <translation>新紀錄！</translation>
    </message>
    <message>
        <source>成绩未能存入文件！</source>
        <translation>成績未能存入檔案！</translation>
    </message>
    <message>
        <source>您确定要清除全部成绩吗？</source>
        <translation>您確定要清除全部成績嗎？</translation>
    </message>
    <message>
        <source>成绩</source>
        <translation>成績</translation>
    </message>
    <message>
        <source>柱数</source>
        <translation>柱數</translation>
    </message>
    <message>
        <source>盘数</source>
        <translation>盤數</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>最短用时</source>
        <translation>最短用時</translation>
    </message>
    <message>
        <source>最少走法</source>
        <translation>最少走法</translation>
    </message>
    <message>
        <source>至少需要</source>
        <translation>至少需要</translation>
    </message>
    <message>
        <source>完成次数</source>
        <translation>完成次數</translation>
    </message>
    <message>
        <source>清除成绩</source>
        <translation>清除成績</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>至少 %1</source>
        <translation>至少 %1</translation>
    </message>
    <message>
        <source>逆向</source>
        <translation>逆向</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>正常</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>0.无渐变背景</source>
        <translation>0.無漸層背景</translation>
    </message>
    <message>
        <source>1.从上到下</source>
        <translation>1.從上到下</translation>
    </message>
    <message>
        <source>2.从左到右</source>
        <translation>2.從左到右</translation>
    </message>
    <message>
        <source>3.从左上到右下</source>
        <translation>3.從左上到右下</translation>
    </message>
    <message>
        <source>4.从右上到左下</source>
        <translation>4.從右上到左下</translation>
    </message>
    <message>
        <source>5.从下到上</source>
        <translation>5.從下到上</translation>
    </message>
    <message>
        <source>6.从右到左</source>
        <translation>6.從右到左</translation>
    </message>
    <message>
        <source>7.从右下到左上</source>
        <translation>7.從右下到左上</translation>
    </message>
    <message>
        <source>8.从左下到右上</source>
        <translation>8.從左下到右上</translation>
    </message>
    <message>
        <source>0、无边框</source>
        <translation>0、無邊框</translation>
    </message>
    <message>
        <source>1、凹入式</source>
        <translation>1、凹入式</translation>
    </message>
    <message>
        <source>2、凸出式</source>
        <translation>2、凸出式</translation>
    </message>
    <message>
        <source>3、浅凹入式</source>
        <translation>3、淺凹入式</translation>
    </message>
    <message>
        <source>4、镜框式</source>
        <translation>4、鏡框式</translation>
    </message>
    <message>
        <source>5、单线边框式</source>
        <translation>5、單線邊框式</translation>
    </message>
    <message>
        <source>设置游戏参数</source>
        <translation>設定遊戲參數</translation>
    </message>
    <message>
        <source>必看</source>
        <translation>必看</translation>
    </message>
    <message>
        <source>柱子、盘片的数量</source>
        <translation>柱子、盤片的數量</translation>
    </message>
    <message>
        <source>盘数</source>
        <translation>盤數</translation>
    </message>
    <message>
        <source>盘数：</source>
        <translation>盤數：</translation>
    </message>
    <message>
        <source>修改对象</source>
        <translation>修改對象</translation>
    </message>
    <message>
        <source>柱</source>
        <translation>柱</translation>
    </message>
    <message>
        <source>主柱</source>
        <translation>主柱</translation>
    </message>
    <message>
        <source>盘</source>
        <translation>盤</translation>
    </message>
    <message>
        <source>地基</source>
        <translation>地基</translation>
    </message>
    <message>
        <source>渐变颜色、方式和边框</source>
        <translation>漸層顏色、方式和邊框</translation>
    </message>
    <message>
        <source>渐变方式</source>
        <translation>漸層方式</translation>
    </message>
    <message>
        <source>颜色 3</source>
        <translation>顏色 3</translation>
    </message>
    <message>
        <source>颜色 2</source>
        <translation>顏色 2</translation>
    </message>
    <message>
        <source>颜色 1</source>
        <translation>顏色 1</translation>
    </message>
    <message>
        <source>边框</source>
        <translation>邊框</translation>
    </message>
    <message>
        <source>主柱：</source>
        <translation>主柱：</translation>
    </message>
    <message>
        <source>柱数</source>
        <translation>柱數</translation>
    </message>
    <message>
        <source>柱数：</source>
        <translation>柱數：</translation>
    </message>
</context>
</TS>
