<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Category</name>
    <message>
        <source>Preset</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>Light A</source>
        <translation>Luz A</translation>
    </message>
    <message>
        <source>Light B</source>
        <translation>Luz B</translation>
    </message>
    <message>
        <source>Light C</source>
        <translation>Luz C</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrela</translation>
    </message>
    <message>
        <source>Amazing</source>
        <translation>Incrível</translation>
    </message>
    <message>
        <source>Dream A</source>
        <translation>Sonho A</translation>
    </message>
    <message>
        <source>Dream B</source>
        <translation>Sonho B</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Clima</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Gradiente</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Arte</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Edge A</source>
        <translation>Borda A</translation>
    </message>
    <message>
        <source>Edge B</source>
        <translation>Borda B</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Shows the ten effects of %1</source>
        <translation>Mostra os dez efeitos de %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>The effect categories</source>
        <translation>As categorias de efeitos</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Undo, Redo, Open, Save, Help, Looks and Batch</source>
        <translation>Desfazer, Refazer, Abrir, Salvar, Ajuda, Looks e Processamento em lote</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>The picture being edited</source>
        <translation>A imagem em edição</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efeitos</translation>
    </message>
    <message>
        <source>The ten effects of the category chosen</source>
        <translation>Os dez efeitos da categoria escolhida</translation>
    </message>
    <message>
        <source>Strip size</source>
        <translation>Tamanho da faixa</translation>
    </message>
    <message>
        <source>Drag to share the height between the display and the strip</source>
        <translation>Arraste para dividir a altura entre a visualização e a faixa</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Takes the last step back</source>
        <translation>Desfaz a última etapa</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Takes the step undone last again</source>
        <translation>Refaz a última etapa desfeita</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Every step by name, to go back to any of them</source>
        <translation>Cada etapa pelo nome, para voltar a qualquer uma delas</translation>
    </message>
    <message>
        <source>Opens a picture</source>
        <translation>Abre uma imagem</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir recentes</translation>
    </message>
    <message>
        <source>The pictures opened or saved last</source>
        <translation>As últimas imagens abertas ou salvas</translation>
    </message>
    <message>
        <source>Saves the picture</source>
        <translation>Salva a imagem</translation>
    </message>
    <message>
        <source>Opens the help page</source>
        <translation>Abre a página de ajuda</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Thumbnails, language, metadata and memory</source>
        <translation>Miniaturas, idioma, metadados e memória</translation>
    </message>
    <message>
        <source>Where the picture was saved</source>
        <translation>Onde a imagem foi salva</translation>
    </message>
    <message>
        <source>The number of the effect above</source>
        <translation>O número do efeito acima</translation>
    </message>
    <message>
        <source>%1, %2 x %3 pixels</source>
        <translation>%1, %2 × %3 pixels</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>The effect on the whole picture</source>
        <translation>O efeito na imagem inteira</translation>
    </message>
    <message>
        <source>The picture with the effect</source>
        <translation>A imagem com o efeito</translation>
    </message>
    <message>
        <source>Zoom with Ctrl+plus and Ctrl+minus, Ctrl+0 fits the picture, Ctrl+1 shows it at 100 %; hold Space for the picture without the effect</source>
        <translation>Zoom com Ctrl+mais e Ctrl+menos, Ctrl+0 ajusta a imagem, Ctrl+1 a mostra em 100 %; segure Espaço para ver a imagem sem o efeito</translation>
    </message>
    <message>
        <source>The effect is being rendered</source>
        <translation>O efeito está sendo renderizado</translation>
    </message>
    <message>
        <source>Render progress</source>
        <translation>Progresso da renderização</translation>
    </message>
    <message>
        <source>How much of the effect has been rendered</source>
        <translation>Quanto do efeito já foi renderizado</translation>
    </message>
    <message>
        <source>Hold to see the picture without the effect</source>
        <translation>Segure para ver a imagem sem o efeito</translation>
    </message>
    <message>
        <source>Before and after side by side</source>
        <translation>Antes e depois lado a lado</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reduzir zoom</translation>
    </message>
    <message>
        <source>Shows more of the picture, smaller</source>
        <translation>Mostra mais da imagem, menor</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar zoom</translation>
    </message>
    <message>
        <source>Shows the picture larger</source>
        <translation>Mostra a imagem maior</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Shows the whole picture</source>
        <translation>Mostra a imagem inteira</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>One picture pixel to a screen pixel</source>
        <translation>Um pixel da imagem para um pixel da tela</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensidade</translation>
    </message>
    <message>
        <source>How much of the effect goes onto the picture, 0 to 100 %</source>
        <translation>Quanto do efeito é aplicado à imagem, de 0 a 100%</translation>
    </message>
    <message>
        <source>The strength Apply uses</source>
        <translation>A intensidade que Aplicar usa</translation>
    </message>
    <message>
        <source>Renders the effect again in colours you pick</source>
        <translation>Renderiza o efeito novamente nas cores que você escolher</translation>
    </message>
    <message>
        <source>Puts the effect onto the picture (Enter)</source>
        <translation>Aplica o efeito à imagem (Enter)</translation>
    </message>
    <message>
        <source>Closes the preview and leaves the picture as it was (Esc)</source>
        <translation>Fecha a pré-visualização e deixa a imagem como estava (Esc)</translation>
    </message>
    <message>
        <source>Mask tools</source>
        <translation>Ferramentas de máscara</translation>
    </message>
    <message>
        <source>Where the effect goes: brush, eraser and gradients</source>
        <translation>Onde o efeito vai: pincel, borracha e gradientes</translation>
    </message>
</context>
<context>
    <name>ProgressJob</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
</context>
<context>
    <name>StepNames</name>
    <message>
        <source>, masked</source>
        <translation>, com máscara</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Brush strokes belong to their photo: the look keeps %1 without them.</source>
        <translation>As pinceladas pertencem à sua foto: o look mantém %1 sem elas.</translation>
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
        <translation>Como o original</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Processamento em lote</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Add Pictures...</source>
        <translation>Adicionar imagens...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Adicionar pasta...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Include sub-folders</source>
        <translation>Incluir subpastas</translation>
    </message>
    <message>
        <source>The effect in the preview</source>
        <translation>O efeito na pré-visualização</translation>
    </message>
    <message>
        <source>The steps applied to this photo</source>
        <translation>As etapas aplicadas a esta foto</translation>
    </message>
    <message>
        <source>A saved look:</source>
        <translation>Um look salvo:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher...</translation>
    </message>
    <message>
        <source>Keep the sub-folders</source>
        <translation>Manter as subpastas</translation>
    </message>
    <message>
        <source>{name}: the picture&apos;s name, {look}: the look&apos;s, {n}: its number in the batch, {n:3}: the number with three digits</source>
        <translation>{name}: o nome da imagem, {look}: o do look, {n}: seu número no lote, {n:3}: o número com três dígitos</translation>
    </message>
    <message>
        <source>quality </source>
        <translation>qualidade </translation>
    </message>
    <message>
        <source>At most</source>
        <translation>No máximo</translation>
    </message>
    <message>
        <source> pixels on the longest side</source>
        <translation> pixels no lado maior</translation>
    </message>
    <message>
        <source>Keep the metadata (camera, date, place, colour profile)</source>
        <translation>Manter os metadados (câmera, data, local, perfil de cor)</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>substituir</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>pular</translation>
    </message>
    <message>
        <source>add a number</source>
        <translation>adicionar um número</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Pasta:</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Nomes:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Files that exist:</source>
        <translation>Arquivos existentes:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>Mostrar na &amp;pasta</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v de %m</translation>
    </message>
    <message>
        <source>Pictures that failed</source>
        <translation>Imagens que falharam</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Adicionar imagens</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>A folder: its pictures</source>
        <translation>Uma pasta: suas imagens</translation>
    </message>
    <message>
        <source>A picture</source>
        <translation>Uma imagem</translation>
    </message>
    <message>
        <source>Save Into</source>
        <translation>Salvar em</translation>
    </message>
    <message>
        <source>A file of the same name in the save folder is replaced.</source>
        <translation>Um arquivo com o mesmo nome na pasta de destino é substituído.</translation>
    </message>
    <message>
        <source>A picture whose file is already in the save folder is skipped.</source>
        <translation>Uma imagem cujo arquivo já está na pasta de destino é pulada.</translation>
    </message>
    <message>
        <source>Where a file of the same name is in the save folder, the new one gets a number: NAME (2).</source>
        <translation>Se houver um arquivo com o mesmo nome na pasta de destino, o novo recebe um número: NOME (2).</translation>
    </message>
    <message>
        <source>Your originals are never written over.</source>
        <translation>Seus originais nunca são sobrescritos.</translation>
    </message>
    <message>
        <source>Choose what to apply: the preview&apos;s effect, this photo&apos;s steps or a saved look.</source>
        <translation>Escolha o que aplicar: o efeito da pré-visualização, as etapas desta foto ou um look salvo.</translation>
    </message>
    <message>
        <source>The names cannot be made from &quot;%1&quot;: %2</source>
        <translation>Não é possível formar os nomes a partir de “%1”: %2</translation>
    </message>
    <message>
        <source>There are no pictures in the files and folders chosen.</source>
        <translation>Não há imagens nos arquivos e pastas escolhidos.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>%1 of %2 done, now %3</source>
        <translation>%1 de %2 concluídas, agora %3</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>faltam cerca de %1</translation>
    </message>
    <message>
        <source>written, but read with damage: %1</source>
        <translation>salva, mas lida com danos: %1</translation>
    </message>
    <message>
        <source>Cancelled after %1.</source>
        <translation>Cancelado após %1.</translation>
    </message>
    <message>
        <source>Done in %1.</source>
        <translation>Concluído em %1.</translation>
    </message>
    <message>
        <source>%1 of %2 pictures written</source>
        <translation>%1 de %2 imagens salvas</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>%1 puladas</translation>
    </message>
    <message>
        <source>%1 of them read with damage</source>
        <translation>%1 delas lidas com danos</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 com falha</translation>
    </message>
    <message>
        <source>(listed below)</source>
        <translation>(listadas abaixo)</translation>
    </message>
    <message>
        <source>There is nothing on this desktop to show the folder %1.</source>
        <translation>Não há nada nesta área de trabalho para mostrar a pasta %1.</translation>
    </message>
</context>
<context>
    <name>qv::EditSession</name>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>qv::LooksWindow</name>
    <message>
        <source>Looks</source>
        <translation>Looks</translation>
    </message>
    <message>
        <source>Choose a look and press Apply (or double-click it) to see it on your photo; Apply in the preview then keeps it as one step.</source>
        <translation>Escolha um look e clique em Aplicar (ou clique duas vezes nele) para vê-lo na sua foto; Aplicar na pré-visualização o mantém como uma única etapa.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Save Look...</source>
        <translation>Salvar look...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renomear...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>From This Picture</source>
        <translation>Desta imagem</translation>
    </message>
    <message>
        <source>Keep the look the opened picture says it was made with</source>
        <translation>Manter o look com que a imagem aberta diz ter sido feita</translation>
    </message>
    <message numerus="yes">
        <source>A look of %n step(s):</source>
        <translation>
            <numerusform>Um look de %n etapa:</numerusform>
            <numerusform>Um look de %n etapas:</numerusform>
        </translation>
    </message>
    <message>
        <source>Name of the look:</source>
        <translation>Nome do look:</translation>
    </message>
    <message>
        <source>Save Look</source>
        <translation>Salvar look</translation>
    </message>
    <message>
        <source>Look %1</source>
        <translation>Look %1</translation>
    </message>
    <message>
        <source>Rename Look</source>
        <translation>Renomear look</translation>
    </message>
    <message>
        <source>New name of the look:</source>
        <translation>Novo nome do look:</translation>
    </message>
    <message>
        <source>Delete the look %1?</source>
        <translation>Excluir o look %1?</translation>
    </message>
    <message>
        <source>Import Look</source>
        <translation>Importar look</translation>
    </message>
    <message>
        <source>Export Look</source>
        <translation>Exportar look</translation>
    </message>
</context>
<context>
    <name>qv::MaskToolBar</name>
    <message>
        <source>Brush</source>
        <translation>Pincel</translation>
    </message>
    <message>
        <source>Paint the effect in; on a mask of nothing yet, the first stroke starts from no effect anywhere. Size: [ and ], or Ctrl+wheel</source>
        <translation>Pinte o efeito; em uma máscara ainda vazia, a primeira pincelada começa sem efeito em lugar nenhum. Tamanho: [ e ], ou Ctrl+roda</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borracha</translation>
    </message>
    <message>
        <source>Take the effect away where you paint. Size: [ and ], or Ctrl+wheel</source>
        <translation>Remova o efeito onde você pintar. Tamanho: [ e ], ou Ctrl+roda</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Linear gradient: drag from full effect to none; its handles move it until Apply</source>
        <translation>Gradiente linear: arraste do efeito total até nenhum; suas alças o movem até Aplicar</translation>
    </message>
    <message>
        <source>Radial</source>
        <translation>Radial</translation>
    </message>
    <message>
        <source>Radial gradient: drag from the centre outwards; its handles move, stretch and soften it until Apply</source>
        <translation>Gradiente radial: arraste do centro para fora; suas alças o movem, esticam e suavizam até Aplicar</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Turn the mask over: the effect where it was not</source>
        <translation>Inverta a máscara: o efeito onde ele não estava</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Remove the mask: the effect everywhere again. Ctrl+Z undoes a mask edit, Ctrl+Shift+Z redoes it</source>
        <translation>Remova a máscara: o efeito em toda parte novamente. Ctrl+Z desfaz uma edição da máscara, Ctrl+Shift+Z a refaz</translation>
    </message>
    <message>
        <source>Show mask</source>
        <translation>Mostrar máscara</translation>
    </message>
    <message>
        <source>Show where the effect goes, tinted red (M)</source>
        <translation>Mostre em vermelho onde o efeito vai (M)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Brush size: its radius in screen pixels ([ and ], or Ctrl+wheel)</source>
        <translation>Tamanho do pincel: seu raio em pixels da tela ([ e ], ou Ctrl+roda)</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Dureza</translation>
    </message>
    <message>
        <source>Brush hardness: how much of the brush paints at full strength (Shift+wheel)</source>
        <translation>Dureza do pincel: quanto do pincel pinta com intensidade total (Shift+roda)</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Fluxo</translation>
    </message>
    <message>
        <source>Brush flow: how much each touch of the brush adds</source>
        <translation>Fluxo do pincel: quanto cada toque do pincel acrescenta</translation>
    </message>
    <message>
        <source>Brush size</source>
        <translation>Tamanho do pincel</translation>
    </message>
    <message>
        <source>Brush hardness</source>
        <translation>Dureza do pincel</translation>
    </message>
    <message>
        <source>Brush flow</source>
        <translation>Fluxo do pincel</translation>
    </message>
    <message>
        <source>Brush size: %1 pixels across the screen ([ and ], or Ctrl+wheel)</source>
        <translation>Tamanho do pincel: %1 pixels na tela ([ e ], ou Ctrl+roda)</translation>
    </message>
    <message>
        <source>Brush hardness: %1 % (Shift+wheel)</source>
        <translation>Dureza do pincel: %1% (Shift+roda)</translation>
    </message>
    <message>
        <source>Brush flow: %1 % a touch</source>
        <translation>Fluxo do pincel: %1% por toque</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>Tamanho %1</translation>
    </message>
    <message>
        <source>Hardness %1 %</source>
        <translation>Dureza %1%</translation>
    </message>
    <message>
        <source>Flow %1 %</source>
        <translation>Fluxo %1%</translation>
    </message>
</context>
<context>
    <name>qv::PictureTypes</name>
    <message>
        <source>All pictures</source>
        <translation>Todas as imagens</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>Imagem %1</translation>
    </message>
</context>
<context>
    <name>qv::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>&amp;Fitted to the strip, at the photo&apos;s shape</source>
        <translation>&amp;Ajustadas à faixa, no formato da foto</translation>
    </message>
    <message>
        <source>The thumbnails grow with the strip and keep the photo&apos;s shape</source>
        <translation>As miniaturas crescem com a faixa e mantêm o formato da foto</translation>
    </message>
    <message>
        <source>&amp;Classic: 105 x 105 squares</source>
        <translation>&amp;Clássicas: quadrados de 105 × 105</translation>
    </message>
    <message>
        <source>Every thumbnail is the photo squeezed into a 105 x 105 square</source>
        <translation>Cada miniatura é a foto comprimida em um quadrado de 105 × 105</translation>
    </message>
    <message>
        <source>Thumbnails:</source>
        <translation>Miniaturas:</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Idioma da área de trabalho</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language of the interface, from the next start</source>
        <translation>O idioma da interface, a partir da próxima inicialização</translation>
    </message>
    <message>
        <source>A new language applies when Quorvane next starts.</source>
        <translation>Um novo idioma passa a valer na próxima vez que o Quorvane for iniciado.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>&amp;Keep the photo&apos;s metadata in saved pictures</source>
        <translation>&amp;Manter os metadados da foto nas imagens salvas</translation>
    </message>
    <message>
        <source>Camera, date, place, author and colour profile go with the saved picture</source>
        <translation>Câmera, data, local, autor e perfil de cor acompanham a imagem salva</translation>
    </message>
    <message>
        <source>Camera, date, place, author and colour profile; without them a saved picture says nothing about where it was taken.</source>
        <translation>Câmera, data, local, autor e perfil de cor; sem eles, uma imagem salva não diz nada sobre onde foi tirada.</translation>
    </message>
    <message>
        <source>Metadata:</source>
        <translation>Metadados:</translation>
    </message>
    <message>
        <source> MiB</source>
        <translation> MiB</translation>
    </message>
    <message>
        <source>History memory</source>
        <translation>Memória do histórico</translation>
    </message>
    <message>
        <source>How much memory the pictures of Undo and Redo may take</source>
        <translation>Quanta memória as imagens de Desfazer e Refazer podem ocupar</translation>
    </message>
    <message>
        <source>The default is 512 MiB (a quarter of the memory where that is less). Beyond it, pictures of earlier steps are made again from the steps when Undo or Redo needs them.</source>
        <translation>O padrão é 512 MiB (um quarto da memória, se for menos). Acima disso, as imagens das etapas anteriores são refeitas a partir das etapas quando Desfazer ou Refazer precisar delas.</translation>
    </message>
    <message>
        <source>&amp;History memory:</source>
        <translation>Memória do &amp;histórico:</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botões</translation>
    </message>
    <message>
        <source>Keeps these preferences</source>
        <translation>Mantém estas preferências</translation>
    </message>
    <message>
        <source>Leaves the preferences as they were</source>
        <translation>Deixa as preferências como estavam</translation>
    </message>
    <message>
        <source>Shows the preferences Quorvane starts with</source>
        <translation>Mostra as preferências com que o Quorvane começa</translation>
    </message>
</context>
<context>
    <name>qv::PreviewView</name>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Depois</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
</context>
<context>
    <name>qv::QtDialogs</name>
    <message>
        <source>Confirm Save As</source>
        <translation>Confirmar Salvar como</translation>
    </message>
    <message>
        <source>%1 is read-only.
Do you want to replace it all the same?</source>
        <translation>%1 é somente leitura.
Deseja substituí-lo mesmo assim?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvar as alterações em %1?</translation>
    </message>
    <message>
        <source>The effects applied since it was last saved are lost if you discard them.</source>
        <translation>Os efeitos aplicados desde o último salvamento serão perdidos se você descartá-los.</translation>
    </message>
    <message>
        <source>Restore the unsaved changes to %1 from %2?</source>
        <translation>Restaurar as alterações não salvas em %1 de %2?</translation>
    </message>
    <message>
        <source>Quorvane ended without closing, and these changes were not saved.</source>
        <translation>O Quorvane foi encerrado sem ser fechado, e estas alterações não foram salvas.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
</context>
<context>
    <name>qv::StepName</name>
    <message>
        <source>Look %1</source>
        <translation>Look %1</translation>
    </message>
    <message>
        <source>, strength %1 %</source>
        <translation>, intensidade %1%</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, colour %1</source>
        <translation>, cor %1</translation>
    </message>
    <message>
        <source>, colours %1</source>
        <translation>, cores %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 aberto</translation>
    </message>
</context>
<context>
    <name>qv::TFormMain</name>
    <message>
        <source>Click the small photo  to preveiw and apply this effect.</source>
        <translation>Clique na foto pequena para pré-visualizar e aplicar este efeito.</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salvar...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Looks...</source>
        <translation>&amp;Looks...</translation>
    </message>
    <message>
        <source>Save &amp;Look...</source>
        <translation>Salvar &amp;look...</translation>
    </message>
    <message>
        <source>Apply the Last Effect &amp;Again</source>
        <translation>Aplicar o último efeito &amp;novamente</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferências...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Looks</translation>
    </message>
    <message>
        <source>Looks: effects kept to put on any photo (%1)</source>
        <translation>Looks: efeitos guardados para aplicar em qualquer foto (%1)</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir recentes</translation>
    </message>
    <message>
        <source>Preferences (%1)</source>
        <translation>Preferências (%1)</translation>
    </message>
    <message>
        <source>Applying %1</source>
        <translation>Aplicando %1</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>Salvando %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer %1</translation>
    </message>
    <message>
        <source>Apply %1 &amp;Again</source>
        <translation>Aplicar %1 &amp;novamente</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 salvo</translation>
    </message>
    <message>
        <source>Quorvane Help</source>
        <translation>Ajuda do Quorvane</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Abrindo %1...</translation>
    </message>
    <message>
        <source>&amp;Batch...</source>
        <translation>Processamento em lo&amp;te...</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Batch: put an effect or a look on many photos at once (%1)</source>
        <translation>Lote: aplicar um efeito ou um look a muitas fotos de uma vez (%1)</translation>
    </message>
</context>
<context>
    <name>qv::TFormPreview</name>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>PROCESSING---</source>
        <translation>PROCESSANDO---</translation>
    </message>
    <message>
        <source>Wait seconds</source>
        <translation>Aguarde</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Mudar cor</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Hold to see the picture without the effect (or hold Space, or the right mouse button on the picture)</source>
        <translation>Segure para ver a imagem sem o efeito (ou segure Espaço, ou o botão direito do mouse sobre a imagem)</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Before and after side by side; drag the divider</source>
        <translation>Antes e depois lado a lado; arraste o divisor</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+minus, the wheel)</source>
        <translation>Reduzir zoom (Ctrl+menos, a roda do mouse)</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+plus, the wheel)</source>
        <translation>Ampliar zoom (Ctrl+mais, a roda do mouse)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>The whole picture (Ctrl+0)</source>
        <translation>A imagem inteira (Ctrl+0)</translation>
    </message>
    <message>
        <source>One picture pixel to a screen pixel (Ctrl+1)</source>
        <translation>Um pixel da imagem para um pixel da tela (Ctrl+1)</translation>
    </message>
    <message>
        <source>Strength of the effect</source>
        <translation>Intensidade do efeito</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensidade</translation>
    </message>
    <message>
        <source>Strength %1 %</source>
        <translation>Intensidade %1%</translation>
    </message>
    <message>
        <source>Strength 100 %</source>
        <translation>Intensidade 100%</translation>
    </message>
</context>
<context>
    <name>qv::ThumbnailStrip</name>
    <message>
        <source>Effect %1</source>
        <translation>Efeito %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, effect %2</source>
        <translation>%1, efeito %2</translation>
    </message>
    <message>
        <source>Opens the preview of this effect</source>
        <translation>Abre a pré-visualização deste efeito</translation>
    </message>
</context>
</TS>
