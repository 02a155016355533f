<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Category</name>
    <message>
        <source>Preset</source>
        <translation>Prédéfini</translation>
    </message>
    <message>
        <source>Light A</source>
        <translation>Lumière A</translation>
    </message>
    <message>
        <source>Light B</source>
        <translation>Lumière B</translation>
    </message>
    <message>
        <source>Light C</source>
        <translation>Lumière C</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Amazing</source>
        <translation>Étonnant</translation>
    </message>
    <message>
        <source>Dream A</source>
        <translation>Rêve A</translation>
    </message>
    <message>
        <source>Dream B</source>
        <translation>Rêve B</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Météo</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Dégradé</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Edge A</source>
        <translation>Bord A</translation>
    </message>
    <message>
        <source>Edge B</source>
        <translation>Bord B</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Trait</translation>
    </message>
    <message>
        <source>Shows the ten effects of %1</source>
        <translation>Affiche les dix effets de %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>The effect categories</source>
        <translation>Les catégories d’effets</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Undo, Redo, Open, Save, Help, Looks and Batch</source>
        <translation>Annuler, Rétablir, Ouvrir, Enregistrer, Aide, Looks et Traitement par lots</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>The picture being edited</source>
        <translation>L’image en cours de modification</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>The ten effects of the category chosen</source>
        <translation>Les dix effets de la catégorie choisie</translation>
    </message>
    <message>
        <source>Strip size</source>
        <translation>Taille du bandeau</translation>
    </message>
    <message>
        <source>Drag to share the height between the display and the strip</source>
        <translation>Faites glisser pour répartir la hauteur entre l’affichage et le bandeau</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Takes the last step back</source>
        <translation>Annule la dernière étape</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Takes the step undone last again</source>
        <translation>Rétablit la dernière étape annulée</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Every step by name, to go back to any of them</source>
        <translation>Chaque étape par son nom, pour revenir à n’importe laquelle</translation>
    </message>
    <message>
        <source>Opens a picture</source>
        <translation>Ouvre une image</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Ouvrir un fichier récent</translation>
    </message>
    <message>
        <source>The pictures opened or saved last</source>
        <translation>Les dernières images ouvertes ou enregistrées</translation>
    </message>
    <message>
        <source>Saves the picture</source>
        <translation>Enregistre l’image</translation>
    </message>
    <message>
        <source>Opens the help page</source>
        <translation>Ouvre la page d’aide</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Thumbnails, language, metadata and memory</source>
        <translation>Vignettes, langue, métadonnées et mémoire</translation>
    </message>
    <message>
        <source>Where the picture was saved</source>
        <translation>L’endroit où l’image a été enregistrée</translation>
    </message>
    <message>
        <source>The number of the effect above</source>
        <translation>Le numéro de l’effet au-dessus</translation>
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
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>The effect on the whole picture</source>
        <translation>L’effet sur l’image entière</translation>
    </message>
    <message>
        <source>The picture with the effect</source>
        <translation>L’image avec l’effet</translation>
    </message>
    <message>
        <source>Zoom with Ctrl+plus and Ctrl+minus, Ctrl+0 fits the picture, Ctrl+1 shows it at 100 %; hold Space for the picture without the effect</source>
        <translation>Zoomez avec Ctrl+plus et Ctrl+moins, Ctrl+0 ajuste l’image, Ctrl+1 l’affiche à 100 % ; maintenez Espace pour voir l’image sans l’effet</translation>
    </message>
    <message>
        <source>The effect is being rendered</source>
        <translation>L’effet est en cours de calcul</translation>
    </message>
    <message>
        <source>Render progress</source>
        <translation>Progression du calcul</translation>
    </message>
    <message>
        <source>How much of the effect has been rendered</source>
        <translation>La part de l’effet déjà calculée</translation>
    </message>
    <message>
        <source>Hold to see the picture without the effect</source>
        <translation>Maintenez pour voir l’image sans l’effet</translation>
    </message>
    <message>
        <source>Before and after side by side</source>
        <translation>Avant et après côte à côte</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Shows more of the picture, smaller</source>
        <translation>Affiche une plus grande partie de l’image, en plus petit</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Shows the picture larger</source>
        <translation>Affiche l’image en plus grand</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Shows the whole picture</source>
        <translation>Affiche l’image entière</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>One picture pixel to a screen pixel</source>
        <translation>Un pixel de l’image pour un pixel de l’écran</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>How much of the effect goes onto the picture, 0 to 100 %</source>
        <translation>La part de l’effet appliquée à l’image, de 0 à 100 %</translation>
    </message>
    <message>
        <source>The strength Apply uses</source>
        <translation>L’intensité qu’utilise Appliquer</translation>
    </message>
    <message>
        <source>Renders the effect again in colours you pick</source>
        <translation>Recalcule l’effet dans les couleurs que vous choisissez</translation>
    </message>
    <message>
        <source>Puts the effect onto the picture (Enter)</source>
        <translation>Applique l’effet à l’image (Entrée)</translation>
    </message>
    <message>
        <source>Closes the preview and leaves the picture as it was (Esc)</source>
        <translation>Ferme l’aperçu et laisse l’image telle qu’elle était (Échap)</translation>
    </message>
    <message>
        <source>Mask tools</source>
        <translation>Outils de masque</translation>
    </message>
    <message>
        <source>Where the effect goes: brush, eraser and gradients</source>
        <translation>Où va l’effet : pinceau, gomme et dégradés</translation>
    </message>
</context>
<context>
    <name>ProgressJob</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
</context>
<context>
    <name>StepNames</name>
    <message>
        <source>, masked</source>
        <translation>, masqué</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Brush strokes belong to their photo: the look keeps %1 without them.</source>
        <translation>Les coups de pinceau appartiennent à leur photo : le look conserve %1 sans eux.</translation>
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
        <translation>Comme l’original</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Traitement par lots</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Add Pictures...</source>
        <translation>Ajouter des images...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ajouter un dossier...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Include sub-folders</source>
        <translation>Inclure les sous-dossiers</translation>
    </message>
    <message>
        <source>The effect in the preview</source>
        <translation>L’effet de l’aperçu</translation>
    </message>
    <message>
        <source>The steps applied to this photo</source>
        <translation>Les étapes appliquées à cette photo</translation>
    </message>
    <message>
        <source>A saved look:</source>
        <translation>Un look enregistré :</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Keep the sub-folders</source>
        <translation>Conserver les sous-dossiers</translation>
    </message>
    <message>
        <source>{name}: the picture&apos;s name, {look}: the look&apos;s, {n}: its number in the batch, {n:3}: the number with three digits</source>
        <translation>{name} : le nom de l’image, {look} : celui du look, {n} : son numéro dans le lot, {n:3} : le numéro sur trois chiffres</translation>
    </message>
    <message>
        <source>quality </source>
        <translation>qualité </translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Au plus</translation>
    </message>
    <message>
        <source> pixels on the longest side</source>
        <translation> pixels sur le côté le plus long</translation>
    </message>
    <message>
        <source>Keep the metadata (camera, date, place, colour profile)</source>
        <translation>Conserver les métadonnées (appareil, date, lieu, profil de couleur)</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>remplacer</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>ignorer</translation>
    </message>
    <message>
        <source>add a number</source>
        <translation>ajouter un numéro</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Noms :</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Files that exist:</source>
        <translation>Fichiers existants :</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Show in &amp;folder</source>
        <translation>Afficher dans le &amp;dossier</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v sur %m</translation>
    </message>
    <message>
        <source>Pictures that failed</source>
        <translation>Images en échec</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>A folder: its pictures</source>
        <translation>Un dossier : ses images</translation>
    </message>
    <message>
        <source>A picture</source>
        <translation>Une image</translation>
    </message>
    <message>
        <source>Save Into</source>
        <translation>Enregistrer dans</translation>
    </message>
    <message>
        <source>A file of the same name in the save folder is replaced.</source>
        <translation>Un fichier du même nom dans le dossier d’enregistrement est remplacé.</translation>
    </message>
    <message>
        <source>A picture whose file is already in the save folder is skipped.</source>
        <translation>Une image dont le fichier est déjà dans le dossier d’enregistrement est ignorée.</translation>
    </message>
    <message>
        <source>Where a file of the same name is in the save folder, the new one gets a number: NAME (2).</source>
        <translation>Si un fichier du même nom se trouve dans le dossier d’enregistrement, le nouveau reçoit un numéro : NOM (2).</translation>
    </message>
    <message>
        <source>Your originals are never written over.</source>
        <translation>Vos originaux ne sont jamais écrasés.</translation>
    </message>
    <message>
        <source>Choose what to apply: the preview&apos;s effect, this photo&apos;s steps or a saved look.</source>
        <translation>Choisissez ce qu’il faut appliquer : l’effet de l’aperçu, les étapes de cette photo ou un look enregistré.</translation>
    </message>
    <message>
        <source>The names cannot be made from &quot;%1&quot;: %2</source>
        <translation>Impossible de former les noms à partir de « %1 » : %2</translation>
    </message>
    <message>
        <source>There are no pictures in the files and folders chosen.</source>
        <translation>Les fichiers et dossiers choisis ne contiennent aucune image.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Démarrage...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>%1 of %2 done, now %3</source>
        <translation>%1 sur %2 terminées, en cours : %3</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>il reste environ %1</translation>
    </message>
    <message>
        <source>written, but read with damage: %1</source>
        <translation>enregistrée, mais lue endommagée : %1</translation>
    </message>
    <message>
        <source>Cancelled after %1.</source>
        <translation>Annulé après %1.</translation>
    </message>
    <message>
        <source>Done in %1.</source>
        <translation>Terminé en %1.</translation>
    </message>
    <message>
        <source>%1 of %2 pictures written</source>
        <translation>%1 images sur %2 enregistrées</translation>
    </message>
    <message>
        <source>%1 skipped</source>
        <translation>%1 ignorées</translation>
    </message>
    <message>
        <source>%1 of them read with damage</source>
        <translation>dont %1 lues endommagées</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 en échec</translation>
    </message>
    <message>
        <source>(listed below)</source>
        <translation>(listées ci-dessous)</translation>
    </message>
    <message>
        <source>There is nothing on this desktop to show the folder %1.</source>
        <translation>Rien sur ce bureau ne permet d’afficher le dossier %1.</translation>
    </message>
</context>
<context>
    <name>qv::EditSession</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
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
        <translation>Choisissez un look et appuyez sur Appliquer (ou double-cliquez dessus) pour le voir sur votre photo ; Appliquer dans l’aperçu le conserve alors comme une seule étape.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Save Look...</source>
        <translation>Enregistrer le look...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renommer...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>From This Picture</source>
        <translation>Depuis cette image</translation>
    </message>
    <message>
        <source>Keep the look the opened picture says it was made with</source>
        <translation>Conserver le look avec lequel l’image ouverte indique avoir été faite</translation>
    </message>
    <message numerus="yes">
        <source>A look of %n step(s):</source>
        <translation>
            <numerusform>Un look de %n étape :</numerusform>
            <numerusform>Un look de %n étapes :</numerusform>
        </translation>
    </message>
    <message>
        <source>Name of the look:</source>
        <translation>Nom du look :</translation>
    </message>
    <message>
        <source>Save Look</source>
        <translation>Enregistrer le look</translation>
    </message>
    <message>
        <source>Look %1</source>
        <translation>Look %1</translation>
    </message>
    <message>
        <source>Rename Look</source>
        <translation>Renommer le look</translation>
    </message>
    <message>
        <source>New name of the look:</source>
        <translation>Nouveau nom du look :</translation>
    </message>
    <message>
        <source>Delete the look %1?</source>
        <translation>Supprimer le look %1 ?</translation>
    </message>
    <message>
        <source>Import Look</source>
        <translation>Importer un look</translation>
    </message>
    <message>
        <source>Export Look</source>
        <translation>Exporter le look</translation>
    </message>
</context>
<context>
    <name>qv::MaskToolBar</name>
    <message>
        <source>Brush</source>
        <translation>Pinceau</translation>
    </message>
    <message>
        <source>Paint the effect in; on a mask of nothing yet, the first stroke starts from no effect anywhere. Size: [ and ], or Ctrl+wheel</source>
        <translation>Peignez l’effet ; sur un masque encore vide, le premier trait part d’une image sans effet nulle part. Taille : [ et ], ou Ctrl+molette</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Take the effect away where you paint. Size: [ and ], or Ctrl+wheel</source>
        <translation>Retirez l’effet là où vous peignez. Taille : [ et ], ou Ctrl+molette</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Linear gradient: drag from full effect to none; its handles move it until Apply</source>
        <translation>Dégradé linéaire : faites glisser de l’effet complet à aucun effet ; ses poignées le déplacent jusqu’à Appliquer</translation>
    </message>
    <message>
        <source>Radial</source>
        <translation>Radial</translation>
    </message>
    <message>
        <source>Radial gradient: drag from the centre outwards; its handles move, stretch and soften it until Apply</source>
        <translation>Dégradé radial : faites glisser du centre vers l’extérieur ; ses poignées le déplacent, l’étirent et l’adoucissent jusqu’à Appliquer</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Turn the mask over: the effect where it was not</source>
        <translation>Inversez le masque : l’effet là où il n’était pas</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Remove the mask: the effect everywhere again. Ctrl+Z undoes a mask edit, Ctrl+Shift+Z redoes it</source>
        <translation>Supprimez le masque : l’effet partout à nouveau. Ctrl+Z annule une modification du masque, Ctrl+Maj+Z la rétablit</translation>
    </message>
    <message>
        <source>Show mask</source>
        <translation>Afficher le masque</translation>
    </message>
    <message>
        <source>Show where the effect goes, tinted red (M)</source>
        <translation>Affichez en rouge là où va l’effet (M)</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Brush size: its radius in screen pixels ([ and ], or Ctrl+wheel)</source>
        <translation>Taille du pinceau : son rayon en pixels de l’écran ([ et ], ou Ctrl+molette)</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Dureté</translation>
    </message>
    <message>
        <source>Brush hardness: how much of the brush paints at full strength (Shift+wheel)</source>
        <translation>Dureté du pinceau : la part du pinceau qui peint à pleine intensité (Maj+molette)</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flux</translation>
    </message>
    <message>
        <source>Brush flow: how much each touch of the brush adds</source>
        <translation>Flux du pinceau : ce qu’ajoute chaque touche du pinceau</translation>
    </message>
    <message>
        <source>Brush size</source>
        <translation>Taille du pinceau</translation>
    </message>
    <message>
        <source>Brush hardness</source>
        <translation>Dureté du pinceau</translation>
    </message>
    <message>
        <source>Brush flow</source>
        <translation>Flux du pinceau</translation>
    </message>
    <message>
        <source>Brush size: %1 pixels across the screen ([ and ], or Ctrl+wheel)</source>
        <translation>Taille du pinceau : %1 pixels à l’écran ([ et ], ou Ctrl+molette)</translation>
    </message>
    <message>
        <source>Brush hardness: %1 % (Shift+wheel)</source>
        <translation>Dureté du pinceau : %1 % (Maj+molette)</translation>
    </message>
    <message>
        <source>Brush flow: %1 % a touch</source>
        <translation>Flux du pinceau : %1 % par touche</translation>
    </message>
    <message>
        <source>Size %1</source>
        <translation>Taille %1</translation>
    </message>
    <message>
        <source>Hardness %1 %</source>
        <translation>Dureté %1 %</translation>
    </message>
    <message>
        <source>Flow %1 %</source>
        <translation>Flux %1 %</translation>
    </message>
</context>
<context>
    <name>qv::PictureTypes</name>
    <message>
        <source>All pictures</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>Image %1</translation>
    </message>
</context>
<context>
    <name>qv::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>&amp;Fitted to the strip, at the photo&apos;s shape</source>
        <translation>&amp;Ajustées au bandeau, aux proportions de la photo</translation>
    </message>
    <message>
        <source>The thumbnails grow with the strip and keep the photo&apos;s shape</source>
        <translation>Les vignettes grandissent avec le bandeau et gardent les proportions de la photo</translation>
    </message>
    <message>
        <source>&amp;Classic: 105 x 105 squares</source>
        <translation>&amp;Classiques : carrés de 105 × 105</translation>
    </message>
    <message>
        <source>Every thumbnail is the photo squeezed into a 105 x 105 square</source>
        <translation>Chaque vignette est la photo comprimée dans un carré de 105 × 105</translation>
    </message>
    <message>
        <source>Thumbnails:</source>
        <translation>Vignettes :</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The language of the interface, from the next start</source>
        <translation>La langue de l’interface, à partir du prochain démarrage</translation>
    </message>
    <message>
        <source>A new language applies when Quorvane next starts.</source>
        <translation>Une nouvelle langue s’applique au prochain démarrage de Quorvane.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>&amp;Keep the photo&apos;s metadata in saved pictures</source>
        <translation>&amp;Conserver les métadonnées de la photo dans les images enregistrées</translation>
    </message>
    <message>
        <source>Camera, date, place, author and colour profile go with the saved picture</source>
        <translation>L’appareil, la date, le lieu, l’auteur et le profil de couleur accompagnent l’image enregistrée</translation>
    </message>
    <message>
        <source>Camera, date, place, author and colour profile; without them a saved picture says nothing about where it was taken.</source>
        <translation>Appareil, date, lieu, auteur et profil de couleur ; sans eux, une image enregistrée ne dit rien de l’endroit où elle a été prise.</translation>
    </message>
    <message>
        <source>Metadata:</source>
        <translation>Métadonnées :</translation>
    </message>
    <message>
        <source> MiB</source>
        <translation> Mio</translation>
    </message>
    <message>
        <source>History memory</source>
        <translation>Mémoire de l’historique</translation>
    </message>
    <message>
        <source>How much memory the pictures of Undo and Redo may take</source>
        <translation>La quantité de mémoire que peuvent occuper les images d’Annuler et de Rétablir</translation>
    </message>
    <message>
        <source>The default is 512 MiB (a quarter of the memory where that is less). Beyond it, pictures of earlier steps are made again from the steps when Undo or Redo needs them.</source>
        <translation>La valeur par défaut est de 512 Mio (un quart de la mémoire si c’est moins). Au-delà, les images des étapes précédentes sont recalculées à partir des étapes quand Annuler ou Rétablir en a besoin.</translation>
    </message>
    <message>
        <source>&amp;History memory:</source>
        <translation>Mémoire de l’&amp;historique :</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>Keeps these preferences</source>
        <translation>Conserve ces préférences</translation>
    </message>
    <message>
        <source>Leaves the preferences as they were</source>
        <translation>Laisse les préférences telles qu’elles étaient</translation>
    </message>
    <message>
        <source>Shows the preferences Quorvane starts with</source>
        <translation>Affiche les préférences de départ de Quorvane</translation>
    </message>
</context>
<context>
    <name>qv::PreviewView</name>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
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
        <translation>Confirmer l’enregistrement</translation>
    </message>
    <message>
        <source>%1 is read-only.
Do you want to replace it all the same?</source>
        <translation>%1 est en lecture seule.
Voulez-vous quand même le remplacer ?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>The effects applied since it was last saved are lost if you discard them.</source>
        <translation>Les effets appliqués depuis le dernier enregistrement sont perdus si vous les abandonnez.</translation>
    </message>
    <message>
        <source>Restore the unsaved changes to %1 from %2?</source>
        <translation>Restaurer les modifications non enregistrées de %1 du %2 ?</translation>
    </message>
    <message>
        <source>Quorvane ended without closing, and these changes were not saved.</source>
        <translation>Quorvane s’est arrêté sans être fermé, et ces modifications n’ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
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
        <translation>, intensité %1 %</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, colour %1</source>
        <translation>, couleur %1</translation>
    </message>
    <message>
        <source>, colours %1</source>
        <translation>, couleurs %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
</context>
<context>
    <name>qv::TFormMain</name>
    <message>
        <source>Click the small photo  to preveiw and apply this effect.</source>
        <translation>Cliquez sur la petite photo pour prévisualiser et appliquer cet effet.</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Looks...</source>
        <translation>&amp;Looks...</translation>
    </message>
    <message>
        <source>Save &amp;Look...</source>
        <translation>Enregistrer le &amp;look...</translation>
    </message>
    <message>
        <source>Apply the Last Effect &amp;Again</source>
        <translation>Appliquer à &amp;nouveau le dernier effet</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Looks</translation>
    </message>
    <message>
        <source>Looks: effects kept to put on any photo (%1)</source>
        <translation>Looks : des effets conservés à appliquer à n’importe quelle photo (%1)</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Ouvrir un fichier récent</translation>
    </message>
    <message>
        <source>Preferences (%1)</source>
        <translation>Préférences (%1)</translation>
    </message>
    <message>
        <source>Applying %1</source>
        <translation>Application de %1</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>Enregistrement de %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>Apply %1 &amp;Again</source>
        <translation>Appliquer %1 à &amp;nouveau</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Quorvane Help</source>
        <translation>Aide de Quorvane</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Ouverture de %1...</translation>
    </message>
    <message>
        <source>&amp;Batch...</source>
        <translation>&amp;Traitement par lots...</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lots</translation>
    </message>
    <message>
        <source>Batch: put an effect or a look on many photos at once (%1)</source>
        <translation>Lots : appliquer un effet ou un look à de nombreuses photos à la fois (%1)</translation>
    </message>
</context>
<context>
    <name>qv::TFormPreview</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>PROCESSING---</source>
        <translation>TRAITEMENT---</translation>
    </message>
    <message>
        <source>Wait seconds</source>
        <translation>Patientez</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Changer la couleur</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Hold to see the picture without the effect (or hold Space, or the right mouse button on the picture)</source>
        <translation>Maintenez pour voir l’image sans l’effet (ou maintenez Espace, ou le bouton droit de la souris sur l’image)</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Scinder</translation>
    </message>
    <message>
        <source>Before and after side by side; drag the divider</source>
        <translation>Avant et après côte à côte ; faites glisser le séparateur</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+minus, the wheel)</source>
        <translation>Zoom arrière (Ctrl+moins, la molette)</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+plus, the wheel)</source>
        <translation>Zoom avant (Ctrl+plus, la molette)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>The whole picture (Ctrl+0)</source>
        <translation>L’image entière (Ctrl+0)</translation>
    </message>
    <message>
        <source>One picture pixel to a screen pixel (Ctrl+1)</source>
        <translation>Un pixel de l’image pour un pixel de l’écran (Ctrl+1)</translation>
    </message>
    <message>
        <source>Strength of the effect</source>
        <translation>Intensité de l’effet</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>Strength %1 %</source>
        <translation>Intensité %1 %</translation>
    </message>
    <message>
        <source>Strength 100 %</source>
        <translation>Intensité 100 %</translation>
    </message>
</context>
<context>
    <name>qv::ThumbnailStrip</name>
    <message>
        <source>Effect %1</source>
        <translation>Effet %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, effect %2</source>
        <translation>%1, effet %2</translation>
    </message>
    <message>
        <source>Opens the preview of this effect</source>
        <translation>Ouvre l’aperçu de cet effet</translation>
    </message>
</context>
</TS>
