<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Category</name>
    <message>
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Light A</source>
        <translation>光效 A</translation>
    </message>
    <message>
        <source>Light B</source>
        <translation>光效 B</translation>
    </message>
    <message>
        <source>Light C</source>
        <translation>光效 C</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>星光</translation>
    </message>
    <message>
        <source>Amazing</source>
        <translation>奇幻</translation>
    </message>
    <message>
        <source>Dream A</source>
        <translation>梦幻 A</translation>
    </message>
    <message>
        <source>Dream B</source>
        <translation>梦幻 B</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>天气</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>渐变</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色彩</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>艺术</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>纹理</translation>
    </message>
    <message>
        <source>Edge A</source>
        <translation>边缘 A</translation>
    </message>
    <message>
        <source>Edge B</source>
        <translation>边缘 B</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>线条</translation>
    </message>
    <message>
        <source>Shows the ten effects of %1</source>
        <translation>显示“%1”的十种效果</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Categories</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>The effect categories</source>
        <translation>效果类别</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Undo, Redo, Open, Save, Help, Looks and Batch</source>
        <translation>撤销、重做、打开、保存、帮助、风格和批处理</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示区</translation>
    </message>
    <message>
        <source>The picture being edited</source>
        <translation>正在编辑的图片</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>效果</translation>
    </message>
    <message>
        <source>The ten effects of the category chosen</source>
        <translation>所选类别的十种效果</translation>
    </message>
    <message>
        <source>Strip size</source>
        <translation>缩略图栏大小</translation>
    </message>
    <message>
        <source>Drag to share the height between the display and the strip</source>
        <translation>拖动以在显示区和缩略图栏之间分配高度</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Takes the last step back</source>
        <translation>撤销上一步</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Takes the step undone last again</source>
        <translation>重做最近撤销的一步</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Every step by name, to go back to any of them</source>
        <translation>按名称列出每一步，可返回其中任意一步</translation>
    </message>
    <message>
        <source>Opens a picture</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>最近打开</translation>
    </message>
    <message>
        <source>The pictures opened or saved last</source>
        <translation>最近打开或保存的图片</translation>
    </message>
    <message>
        <source>Saves the picture</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <source>Opens the help page</source>
        <translation>打开帮助页面</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Thumbnails, language, metadata and memory</source>
        <translation>缩略图、语言、元数据和内存</translation>
    </message>
    <message>
        <source>Where the picture was saved</source>
        <translation>图片的保存位置</translation>
    </message>
    <message>
        <source>The number of the effect above</source>
        <translation>上方效果的编号</translation>
    </message>
    <message>
        <source>%1, %2 x %3 pixels</source>
        <translation>%1，%2 × %3 像素</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>The effect on the whole picture</source>
        <translation>效果应用于整张图片</translation>
    </message>
    <message>
        <source>The picture with the effect</source>
        <translation>应用效果后的图片</translation>
    </message>
    <message>
        <source>Zoom with Ctrl+plus and Ctrl+minus, Ctrl+0 fits the picture, Ctrl+1 shows it at 100 %; hold Space for the picture without the effect</source>
        <translation>用 Ctrl+加号和 Ctrl+减号缩放，Ctrl+0 适合窗口，Ctrl+1 以 100% 显示；按住空格键查看未应用效果的图片</translation>
    </message>
    <message>
        <source>The effect is being rendered</source>
        <translation>正在渲染效果</translation>
    </message>
    <message>
        <source>Render progress</source>
        <translation>渲染进度</translation>
    </message>
    <message>
        <source>How much of the effect has been rendered</source>
        <translation>效果已渲染的比例</translation>
    </message>
    <message>
        <source>Hold to see the picture without the effect</source>
        <translation>按住可查看未应用效果的图片</translation>
    </message>
    <message>
        <source>Before and after side by side</source>
        <translation>前后对比并排显示</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Shows more of the picture, smaller</source>
        <translation>以更小的比例显示更多图片内容</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Shows the picture larger</source>
        <translation>放大显示图片</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适合</translation>
    </message>
    <message>
        <source>Shows the whole picture</source>
        <translation>显示整张图片</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>One picture pixel to a screen pixel</source>
        <translation>图片的一个像素对应屏幕的一个像素</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>强度</translation>
    </message>
    <message>
        <source>How much of the effect goes onto the picture, 0 to 100 %</source>
        <translation>效果应用到图片上的程度，0 到 100%</translation>
    </message>
    <message>
        <source>The strength Apply uses</source>
        <translation>“应用”使用的强度</translation>
    </message>
    <message>
        <source>Renders the effect again in colours you pick</source>
        <translation>用您选择的颜色重新渲染效果</translation>
    </message>
    <message>
        <source>Puts the effect onto the picture (Enter)</source>
        <translation>将效果应用到图片（Enter）</translation>
    </message>
    <message>
        <source>Closes the preview and leaves the picture as it was (Esc)</source>
        <translation>关闭预览，保持图片不变（Esc）</translation>
    </message>
    <message>
        <source>Mask tools</source>
        <translation>蒙版工具</translation>
    </message>
    <message>
        <source>Where the effect goes: brush, eraser and gradients</source>
        <translation>效果的作用范围：画笔、橡皮擦和渐变</translation>
    </message>
</context>
<context>
    <name>ProgressJob</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>正在取消...</translation>
    </message>
</context>
<context>
    <name>StepNames</name>
    <message>
        <source>, masked</source>
        <translation>，已蒙版</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>Brush strokes belong to their photo: the look keeps %1 without them.</source>
        <translation>画笔笔触属于其照片：风格保留 %1，但不含笔触。</translation>
    </message>
</context>
<context>
    <name>qv::BatchWindow</name>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>WebP</source>
        <translation>WebP</translation>
    </message>
    <message>
        <source>TIFF</source>
        <translation>TIFF</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>BMP</translation>
    </message>
    <message>
        <source>As the original</source>
        <translation>与原图相同</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>批处理</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Add Pictures...</source>
        <translation>添加图片...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>添加文件夹...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Include sub-folders</source>
        <translation>包括子文件夹</translation>
    </message>
    <message>
        <source>The effect in the preview</source>
        <translation>预览中的效果</translation>
    </message>
    <message>
        <source>The steps applied to this photo</source>
        <translation>已应用于此照片的步骤</translation>
    </message>
    <message>
        <source>A saved look:</source>
        <translation>已保存的风格：</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>选择...</translation>
    </message>
    <message>
        <source>Keep the sub-folders</source>
        <translation>保留子文件夹</translation>
    </message>
    <message>
        <source>{name}: the picture&apos;s name, {look}: the look&apos;s, {n}: its number in the batch, {n:3}: the number with three digits</source>
        <translation>{name}：图片的名称，{look}：风格的名称，{n}：它在批处理中的编号，{n:3}：三位数的编号</translation>
    </message>
    <message>
        <source>quality </source>
        <translation>质量 </translation>
    </message>
    <message>
        <source>At most</source>
        <translation>最长边不超过</translation>
    </message>
    <message>
        <source> pixels on the longest side</source>
        <translation> 像素</translation>
    </message>
    <message>
        <source>Keep the metadata (camera, date, place, colour profile)</source>
        <translation>保留元数据（相机、日期、地点、色彩配置文件）</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>add a number</source>
        <translation>添加编号</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>文件夹：</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>Files that exist:</source>
        <translation>已存在的文件：</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>在文件夹中显示(&amp;F)</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v / %m</translation>
    </message>
    <message>
        <source>Pictures that failed</source>
        <translation>失败的图片</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>A folder: its pictures</source>
        <translation>文件夹：其中的图片</translation>
    </message>
    <message>
        <source>A picture</source>
        <translation>一张图片</translation>
    </message>
    <message>
        <source>Save Into</source>
        <translation>保存到</translation>
    </message>
    <message>
        <source>A file of the same name in the save folder is replaced.</source>
        <translation>保存文件夹中的同名文件将被替换。</translation>
    </message>
    <message>
        <source>A picture whose file is already in the save folder is skipped.</source>
        <translation>文件已在保存文件夹中的图片将被跳过。</translation>
    </message>
    <message>
        <source>Where a file of the same name is in the save folder, the new one gets a number: NAME (2).</source>
        <translation>如果保存文件夹中已有同名文件，新文件会加上编号：名称 (2)。</translation>
    </message>
    <message>
        <source>Your originals are never written over.</source>
        <translation>您的原图永远不会被覆盖。</translation>
    </message>
    <message>
        <source>Choose what to apply: the preview&apos;s effect, this photo&apos;s steps or a saved look.</source>
        <translation>请选择要应用的内容：预览中的效果、此照片的步骤或已保存的风格。</translation>
    </message>
    <message>
        <source>The names cannot be made from &quot;%1&quot;: %2</source>
        <translation>无法根据“%1”生成名称：%2</translation>
    </message>
    <message>
        <source>There are no pictures in the files and folders chosen.</source>
        <translation>所选的文件和文件夹中没有图片。</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>正在启动...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>正在取消...</translation>
    </message>
    <message>
        <source>%1 of %2 done, now %3</source>
        <translation>已完成 %1 / %2，当前：%3</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>剩余约 %1</translation>
    </message>
    <message>
        <source>written, but read with damage: %1</source>
        <translation>已保存，但读取时有损坏：%1</translation>
    </message>
    <message>
        <source>Cancelled after %1.</source>
        <translation>已在 %1 后取消。</translation>
    </message>
    <message>
        <source>Done in %1.</source>
        <translation>已完成，用时 %1。</translation>
    </message>
    <message>
        <source>%1 of %2 pictures written</source>
        <translation>已保存 %2 张图片中的 %1 张</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>跳过 %1 张</translation>
    </message>
    <message>
        <source>%1 of them read with damage</source>
        <translation>其中 %1 张读取时有损坏</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 张失败</translation>
    </message>
    <message>
        <source>(listed below)</source>
        <translation>（见下方列表）</translation>
    </message>
    <message>
        <source>There is nothing on this desktop to show the folder %1.</source>
        <translation>此桌面上没有可以显示文件夹 %1 的程序。</translation>
    </message>
</context>
<context>
    <name>qv::EditSession</name>
    <message>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>qv::LooksWindow</name>
    <message>
        <source>Looks</source>
        <translation>风格</translation>
    </message>
    <message>
        <source>Choose a look and press Apply (or double-click it) to see it on your photo; Apply in the preview then keeps it as one step.</source>
        <translation>选择一种风格并按“应用”（或双击它）即可在照片上查看；在预览中按“应用”后，它将作为一个步骤保留。</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Save Look...</source>
        <translation>保存风格...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>重命名...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>导入...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>导出...</translation>
    </message>
    <message>
        <source>From This Picture</source>
        <translation>来自此图片</translation>
    </message>
    <message>
        <source>Keep the look the opened picture says it was made with</source>
        <translation>保留打开的图片所记录的制作风格</translation>
    </message>
    <message numerus="yes">
        <source>A look of %n step(s):</source>
        <translation>
            <numerusform>包含 %n 个步骤的风格：</numerusform>
        </translation>
    </message>
    <message>
        <source>Name of the look:</source>
        <translation>风格名称：</translation>
    </message>
    <message>
        <source>Save Look</source>
        <translation>保存风格</translation>
    </message>
    <message>
        <source>Look %1</source>
        <translation>风格 %1</translation>
    </message>
    <message>
        <source>Rename Look</source>
        <translation>重命名风格</translation>
    </message>
    <message>
        <source>New name of the look:</source>
        <translation>风格的新名称：</translation>
    </message>
    <message>
        <source>Delete the look %1?</source>
        <translation>删除风格 %1？</translation>
    </message>
    <message>
        <source>Import Look</source>
        <translation>导入风格</translation>
    </message>
    <message>
        <source>Export Look</source>
        <translation>导出风格</translation>
    </message>
</context>
<context>
    <name>qv::MaskToolBar</name>
    <message>
        <source>Brush</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>Paint the effect in; on a mask of nothing yet, the first stroke starts from no effect anywhere. Size: [ and ], or Ctrl+wheel</source>
        <translation>绘制效果；在尚为空的蒙版上，第一笔从处处无效果开始。大小：[ 和 ]，或 Ctrl+滚轮</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>Take the effect away where you paint. Size: [ and ], or Ctrl+wheel</source>
        <translation>在绘制处去除效果。大小：[ 和 ]，或 Ctrl+滚轮</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>线性</translation>
    </message>
    <message>
        <source>Linear gradient: drag from full effect to none; its handles move it until Apply</source>
        <translation>线性渐变：从完全效果拖到无效果；在“应用”之前可用控制点移动它</translation>
    </message>
    <message>
        <source>Radial</source>
        <translation>径向</translation>
    </message>
    <message>
        <source>Radial gradient: drag from the centre outwards; its handles move, stretch and soften it until Apply</source>
        <translation>径向渐变：从中心向外拖动；在“应用”之前可用控制点移动、拉伸和柔化它</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>反转</translation>
    </message>
    <message>
        <source>Turn the mask over: the effect where it was not</source>
        <translation>反转蒙版：在原先没有效果的地方应用效果</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Remove the mask: the effect everywhere again. Ctrl+Z undoes a mask edit, Ctrl+Shift+Z redoes it</source>
        <translation>移除蒙版：效果重新应用于所有地方。Ctrl+Z 撤销蒙版编辑，Ctrl+Shift+Z 重做</translation>
    </message>
    <message>
        <source>Show mask</source>
        <translation>显示蒙版</translation>
    </message>
    <message>
        <source>Show where the effect goes, tinted red (M)</source>
        <translation>以红色显示效果的应用范围（M）</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Brush size: its radius in screen pixels ([ and ], or Ctrl+wheel)</source>
        <translation>画笔大小：以屏幕像素计的半径（[ 和 ]，或 Ctrl+滚轮）</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>硬度</translation>
    </message>
    <message>
        <source>Brush hardness: how much of the brush paints at full strength (Shift+wheel)</source>
        <translation>画笔硬度：画笔中以全强度绘制的部分（Shift+滚轮）</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>流量</translation>
    </message>
    <message>
        <source>Brush flow: how much each touch of the brush adds</source>
        <translation>画笔流量：画笔每次触碰所添加的量</translation>
    </message>
    <message>
        <source>Brush size</source>
        <translation>画笔大小</translation>
    </message>
    <message>
        <source>Brush hardness</source>
        <translation>画笔硬度</translation>
    </message>
    <message>
        <source>Brush flow</source>
        <translation>画笔流量</translation>
    </message>
    <message>
        <source>Brush size: %1 pixels across the screen ([ and ], or Ctrl+wheel)</source>
        <translation>画笔大小：屏幕上 %1 像素（[ 和 ]，或 Ctrl+滚轮）</translation>
    </message>
    <message>
        <source>Brush hardness: %1 % (Shift+wheel)</source>
        <translation>画笔硬度：%1%（Shift+滚轮）</translation>
    </message>
    <message>
        <source>Brush flow: %1 % a touch</source>
        <translation>画笔流量：每次触碰 %1%</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>大小 %1</translation>
    </message>
    <message>
        <source>Hardness %1 %</source>
        <translation>硬度 %1%</translation>
    </message>
    <message>
        <source>Flow %1 %</source>
        <translation>流量 %1%</translation>
    </message>
</context>
<context>
    <name>qv::PictureTypes</name>
    <message>
        <source>All pictures</source>
        <translation>所有图片</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>%1 图片</translation>
    </message>
</context>
<context>
    <name>qv::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>&amp;Fitted to the strip, at the photo&apos;s shape</source>
        <translation>适应缩略图栏，保持照片比例(&amp;F)</translation>
    </message>
    <message>
        <source>The thumbnails grow with the strip and keep the photo&apos;s shape</source>
        <translation>缩略图随缩略图栏变大，并保持照片的比例</translation>
    </message>
    <message>
        <source>&amp;Classic: 105 x 105 squares</source>
        <translation>经典：105 × 105 正方形(&amp;C)</translation>
    </message>
    <message>
        <source>Every thumbnail is the photo squeezed into a 105 x 105 square</source>
        <translation>每个缩略图都是将照片压缩到 105 × 105 正方形中</translation>
    </message>
    <message>
        <source>Thumbnails:</source>
        <translation>缩略图：</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>桌面的语言</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>The language of the interface, from the next start</source>
        <translation>界面语言，下次启动时生效</translation>
    </message>
    <message>
        <source>A new language applies when Quorvane next starts.</source>
        <translation>新语言将在下次启动 Quorvane 时生效。</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>语言(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Keep the photo&apos;s metadata in saved pictures</source>
        <translation>在保存的图片中保留照片的元数据(&amp;K)</translation>
    </message>
    <message>
        <source>Camera, date, place, author and colour profile go with the saved picture</source>
        <translation>相机、日期、地点、作者和色彩配置文件随保存的图片一起保存</translation>
    </message>
    <message>
        <source>Camera, date, place, author and colour profile; without them a saved picture says nothing about where it was taken.</source>
        <translation>相机、日期、地点、作者和色彩配置文件；没有这些信息，保存的图片不会透露拍摄地点。</translation>
    </message>
    <message>
        <source>Metadata:</source>
        <translation>元数据：</translation>
    </message>
    <message>
        <source> MiB</source>
        <translation> MiB</translation>
    </message>
    <message>
        <source>History memory</source>
        <translation>历史记录内存</translation>
    </message>
    <message>
        <source>How much memory the pictures of Undo and Redo may take</source>
        <translation>撤销和重做的图片可占用的内存量</translation>
    </message>
    <message>
        <source>The default is 512 MiB (a quarter of the memory where that is less). Beyond it, pictures of earlier steps are made again from the steps when Undo or Redo needs them.</source>
        <translation>默认值为 512 MiB（若内存的四分之一更少，则取该值）。超出时，撤销或重做需要的早期步骤图片会根据步骤重新生成。</translation>
    </message>
    <message>
        <source>&amp;History memory:</source>
        <translation>历史记录内存(&amp;H)：</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>按钮</translation>
    </message>
    <message>
        <source>Keeps these preferences</source>
        <translation>保留这些首选项</translation>
    </message>
    <message>
        <source>Leaves the preferences as they were</source>
        <translation>保持首选项不变</translation>
    </message>
    <message>
        <source>Shows the preferences Quorvane starts with</source>
        <translation>显示 Quorvane 的初始首选项</translation>
    </message>
</context>
<context>
    <name>qv::PreviewView</name>
    <message>
        <source>Before</source>
        <translation>之前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>之后</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原图</translation>
    </message>
</context>
<context>
    <name>qv::QtDialogs</name>
    <message>
        <source>Confirm Save As</source>
        <translation>确认另存为</translation>
    </message>
    <message>
        <source>%1 is read-only.
Do you want to replace it all the same?</source>
        <translation>%1 是只读文件。
仍要替换它吗？</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>保存对 %1 的更改吗？</translation>
    </message>
    <message>
        <source>The effects applied since it was last saved are lost if you discard them.</source>
        <translation>如果放弃，自上次保存以来应用的效果将会丢失。</translation>
    </message>
    <message>
        <source>Restore the unsaved changes to %1 from %2?</source>
        <translation>恢复 %2 对 %1 所做的未保存更改吗？</translation>
    </message>
    <message>
        <source>Quorvane ended without closing, and these changes were not saved.</source>
        <translation>Quorvane 未正常关闭而结束，这些更改尚未保存。</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
</context>
<context>
    <name>qv::StepName</name>
    <message>
        <source>Look %1</source>
        <translation>风格 %1</translation>
    </message>
    <message>
        <source>, strength %1 %</source>
        <translation>，强度 %1%</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, colour %1</source>
        <translation>，颜色 %1</translation>
    </message>
    <message>
        <source>, colours %1</source>
        <translation>，颜色 %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>已打开 %1</translation>
    </message>
</context>
<context>
    <name>qv::TFormMain</name>
    <message>
        <source>Click the small photo  to preveiw and apply this effect.</source>
        <translation>单击小照片即可预览并应用此效果。</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Looks...</source>
        <translation>风格(&amp;L)...</translation>
    </message>
    <message>
        <source>Save &amp;Look...</source>
        <translation>保存风格(&amp;L)...</translation>
    </message>
    <message>
        <source>Apply the Last Effect &amp;Again</source>
        <translation>再次应用上一个效果(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>首选项(&amp;P)...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>风格</translation>
    </message>
    <message>
        <source>Looks: effects kept to put on any photo (%1)</source>
        <translation>风格：保存的效果，可用于任何照片（%1）</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>最近打开</translation>
    </message>
    <message>
        <source>Preferences (%1)</source>
        <translation>首选项（%1）</translation>
    </message>
    <message>
        <source>Applying %1</source>
        <translation>正在应用 %1</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>正在保存 %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做 %1(&amp;R)</translation>
    </message>
    <message>
        <source>Apply %1 &amp;Again</source>
        <translation>再次应用 %1(&amp;A)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>Quorvane Help</source>
        <translation>Quorvane 帮助</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>正在打开 %1...</translation>
    </message>
    <message>
        <source>&amp;Batch...</source>
        <translation>批处理(&amp;B)...</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>批处理</translation>
    </message>
    <message>
        <source>Batch: put an effect or a look on many photos at once (%1)</source>
        <translation>批处理：一次将效果或风格应用到多张照片（%1）</translation>
    </message>
</context>
<context>
    <name>qv::TFormPreview</name>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>PROCESSING---</source>
        <translation>处理中---</translation>
    </message>
    <message>
        <source>Wait seconds</source>
        <translation>请稍候</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>更改颜色</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原图</translation>
    </message>
    <message>
        <source>Hold to see the picture without the effect (or hold Space, or the right mouse button on the picture)</source>
        <translation>按住可查看未应用效果的图片（也可按住空格键，或在图片上按住鼠标右键）</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>对比</translation>
    </message>
    <message>
        <source>Before and after side by side; drag the divider</source>
        <translation>前后对比并排显示；可拖动分隔线</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+minus, the wheel)</source>
        <translation>缩小（Ctrl+减号，或滚轮）</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+plus, the wheel)</source>
        <translation>放大（Ctrl+加号，或滚轮）</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适合</translation>
    </message>
    <message>
        <source>The whole picture (Ctrl+0)</source>
        <translation>整张图片（Ctrl+0）</translation>
    </message>
    <message>
        <source>One picture pixel to a screen pixel (Ctrl+1)</source>
        <translation>图片的一个像素对应屏幕的一个像素（Ctrl+1）</translation>
    </message>
    <message>
        <source>Strength of the effect</source>
        <translation>效果强度</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>强度</translation>
    </message>
    <message>
        <source>Strength %1 %</source>
        <translation>强度 %1%</translation>
    </message>
    <message>
        <source>Strength 100 %</source>
        <translation>强度 100%</translation>
    </message>
</context>
<context>
    <name>qv::ThumbnailStrip</name>
    <message>
        <source>Effect %1</source>
        <translation>效果 %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, effect %2</source>
        <translation>%1，效果 %2</translation>
    </message>
    <message>
        <source>Opens the preview of this effect</source>
        <translation>打开此效果的预览</translation>
    </message>
</context>
</TS>
