<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>The program's version and the sources of its price-index data</source>
        <translation>La version du programme et les sources de ses données d'indices des prix</translation>
    </message>
    <message>
        <source>Name of the program</source>
        <translation>Nom du programme</translation>
    </message>
    <message>
        <source>Version of the program</source>
        <translation>Version du programme</translation>
    </message>
    <message>
        <source>Caption of the price-index sources</source>
        <translation>Légende des sources des indices des prix</translation>
    </message>
    <message>
        <source>Where the shipped price indexes come from and under which licences</source>
        <translation>D'où viennent les indices des prix fournis et sous quelles licences</translation>
    </message>
    <message>
        <source>Close this window (Enter or Esc)</source>
        <translation>Fermer cette fenêtre (Entrée ou Échap)</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Toolbar</source>
        <translation>Barre d'outils</translation>
    </message>
    <message>
        <source>Buttons for the most used commands</source>
        <translation>Boutons des commandes les plus utilisées</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Line under the toolbar</source>
        <translation>Ligne sous la barre d'outils</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <extracomment>%1 is a column heading of the data grid, %2 the row number on screen</extracomment>
        <translation>%1, ligne %2</translation>
    </message>
    <message>
        <source>%1, data record on row %2 of the page</source>
        <extracomment>%1 says what the column holds, %2 is the row number on screen</extracomment>
        <translation>%1, enregistrement de la ligne %2 de la page</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Empty the %1 box</source>
        <extracomment>%1 is the name of the text box</extracomment>
        <translation>Vider la zone %1</translation>
    </message>
    <message>
        <source>The %1 menu</source>
        <extracomment>%1 is the menu's title, such as File or Edit</extracomment>
        <translation>Le menu %1</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>The menus of this window</source>
        <translation>Les menus de cette fenêtre</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>The picture has no size.</source>
        <translation>L'image n'a pas de taille.</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of that size.</source>
        <translation>La mémoire ne suffit pas pour une image de cette taille.</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>L'image n'a pas pu être encodée.</translation>
    </message>
    <message>
        <source>The PDF page could not be started.</source>
        <translation>La page PDF n'a pas pu être commencée.</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Montant actuel</translation>
    </message>
    <message>
        <source>Current Amount AFI</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Montant actuel corrigé de l'inflation</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Montant d'origine</translation>
    </message>
    <message>
        <source>Lost to inflation</source>
        <translation>Perdu à cause de l'inflation</translation>
    </message>
    <message>
        <source>Gained from falling prices</source>
        <translation>Gagné grâce à la baisse des prix</translation>
    </message>
    <message>
        <source>AFI carried (no rate)</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Valeur c. infl. reportée (pas de taux)</translation>
    </message>
    <message>
        <source>Skipped record</source>
        <translation>Enregistrement ignoré</translation>
    </message>
    <message>
        <source>This investment has no data records yet, so there is nothing to draw. Add a record with Add New under the grid.</source>
        <translation>Ce placement n'a encore aucun enregistrement, il n'y a donc rien à tracer. Ajoutez un enregistrement avec Ajouter sous la grille.</translation>
    </message>
    <message>
        <source>No data record of this investment has both amounts above 0, so there is nothing to draw.</source>
        <translation>Aucun enregistrement de ce placement n'a ses deux montants supérieurs à 0, il n'y a donc rien à tracer.</translation>
    </message>
    <message>
        <source>No inflation rate has been entered for this investment yet, so there is no amount adjusted for inflation to draw.</source>
        <translation>Aucun taux d'inflation n'a encore été saisi pour ce placement, il n'y a donc aucun montant corrigé de l'inflation à tracer.</translation>
    </message>
    <message>
        <source>Q%1 %2</source>
        <extracomment>A quarter on the date axis: %1 the quarter (1 to 4), %2 the year</extracomment>
        <translation>T%1 %2</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>The shown investment's current amount against its amount adjusted for inflation</source>
        <translation>Le montant actuel du placement affiché face à son montant corrigé de l'inflation</translation>
    </message>
    <message>
        <source>Save the chart as a PNG picture</source>
        <translation>Enregistrer le graphique comme image PNG</translation>
    </message>
    <message>
        <source>Save the chart as a PDF document</source>
        <translation>Enregistrer le graphique comme document PDF</translation>
    </message>
    <message>
        <source>Figures of the picked record</source>
        <translation>Chiffres de l'enregistrement choisi</translation>
    </message>
    <message>
        <source>No record picked</source>
        <translation>Aucun enregistrement choisi</translation>
    </message>
    <message>
        <source>Returns of the shown investment</source>
        <translation>Rendements du placement affiché</translation>
    </message>
    <message>
        <source>No returns</source>
        <translation>Aucun rendement</translation>
    </message>
    <message>
        <source>Save as P&amp;NG…</source>
        <translation>Enregistrer en P&amp;NG…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Enregistrer en P&amp;DF…</translation>
    </message>
    <message>
        <source>There is no investment to chart yet. Add one with the New Investment Record command.</source>
        <translation>Il n'y a encore aucun placement à représenter. Ajoutez-en un avec la commande Nouveau placement.</translation>
    </message>
    <message>
        <source>The data history cannot be read: line %1 of "%2" gives error %3 (%4).</source>
        <extracomment>%1 a line number, %2 a file, %3 an error number, %4 its description</extracomment>
        <translation>L'historique des données ne peut pas être lu : la ligne %1 de « %2 » donne l'erreur %3 (%4).</translation>
    </message>
    <message>
        <source>The data history "%1" cannot be read: error %2 (%3).</source>
        <extracomment>%1 a file, %2 an error number, %3 its description</extracomment>
        <translation>L'historique des données « %1 » ne peut pas être lu : erreur %2 (%3).</translation>
    </message>
    <message>
        <source>Chart</source>
        <extracomment>%1 the investment's type and institution</extracomment>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Graphique : %1</translation>
    </message>
    <message>
        <source>No record to read</source>
        <translation>Aucun enregistrement à lire</translation>
    </message>
    <message>
        <source>Point at a record, or use the Left and Right keys, to read its figures.</source>
        <translation>Pointez un enregistrement, ou utilisez les touches Gauche et Droite, pour lire ses chiffres.</translation>
    </message>
    <message>
        <source>Record %1, %2: Original Amount %3; Current Amount %4; Inflation Rate (%) %5</source>
        <extracomment>%1 the record number, %2 its date, %3 to %5 amounts and the rate</extracomment>
        <translation>Enregistrement %1, %2 : montant d'origine %3 ; montant actuel %4 ; taux d'inflation (%) %5</translation>
    </message>
    <message>
        <source>Inc/Dec %1; Profit/Loss %2; Loss To Inflation %3; Current Amount AFI %4; Profit/Loss AFI %5</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Hausse/baisse %1 ; gain/perte %2 ; perte due à l'inflation %3 ; montant actuel c. infl. %4 ; gain/perte c. infl. %5</translation>
    </message>
    <message>
        <source>No inflation rate entered: the loss to inflation and both AFI figures are carried from the record before.</source>
        <translation>Aucun taux d'inflation saisi : la perte due à l'inflation et les deux chiffres corrigés de l'inflation sont reportés de l'enregistrement précédent.</translation>
    </message>
    <message>
        <source>An amount is at or below 0: nothing is computed for this record; the figures stand as they were.</source>
        <translation>Un montant est inférieur ou égal à 0 : rien n'est calculé pour cet enregistrement ; les chiffres restent tels quels.</translation>
    </message>
    <message>
        <source>Save Chart as PNG</source>
        <translation>Enregistrer le graphique en PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved to "%1":<byte value="xd" />
%2</source>
        <extracomment>%1 a file, %2 why</extracomment>
        <translation>Le graphique n'a pas pu être enregistré dans « %1 » :
%2</translation>
    </message>
    <message>
        <source>Save Chart as PDF</source>
        <translation>Enregistrer le graphique en PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Plumbline 3.5 keeps track of personal investments and shows how their value holds up against inflation. It takes no arguments; the data lives in its data folder.</source>
        <translation>Plumbline 3.5 assure le suivi de vos placements personnels et montre comment leur valeur résiste à l'inflation. Il n'accepte aucun argument ; les données se trouvent dans son dossier de données.</translation>
    </message>
    <message>
        <source>plumbline: unexpected argument "%1" (see --help)</source>
        <translation>plumbline : argument inattendu « %1 » (voir --help)</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The folder "%1" cannot be created.</source>
        <translation>Le dossier « %1 » ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The investment delete that was interrupted cannot be completed from the files in the data folder. It had not changed "%1" or "%2" yet, so it was undone: both are as they were before it.</source>
        <translation>La suppression de placement interrompue ne peut pas être achevée à partir des fichiers du dossier de données. Elle n'avait encore modifié ni « %1 » ni « %2 », elle a donc été annulée : les deux sont tels qu'avant.</translation>
    </message>
    <message>
        <source>The note of an interrupted investment delete cannot be read, so whether "%1" and "%2" still belong together is not known. Both were moved aside with it.</source>
        <translation>La note d'une suppression de placement interrompue ne peut pas être lue, on ne sait donc pas si « %1 » et « %2 » vont encore ensemble. Les deux ont été mis de côté avec elle.</translation>
    </message>
    <message>
        <source>The investment delete that was interrupted cannot be completed from the files in the data folder, and whether it had already replaced %1 is not known, so they may no longer belong together. Both were moved aside with it.</source>
        <translation>La suppression de placement interrompue ne peut pas être achevée à partir des fichiers du dossier de données, et on ne sait pas si elle avait déjà remplacé %1 ; ils peuvent donc ne plus aller ensemble. Les deux ont été mis de côté avec elle.</translation>
    </message>
    <message>
        <source>The investment delete that was interrupted cannot be completed from the files in the data folder. It had already replaced %1 but not %2, and they no longer belong together (investments would show the records of others), so both were moved aside with it.</source>
        <translation>La suppression de placement interrompue ne peut pas être achevée à partir des fichiers du dossier de données. Elle avait déjà remplacé %1 mais pas %2, et ils ne vont plus ensemble (des placements afficheraient les enregistrements d'autres placements) ; les deux ont donc été mis de côté avec elle.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 n'a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a folder, pipe or device); nothing was read.</source>
        <translation>%1 n'est pas un fichier ordinaire (c'est un dossier, un tube ou un périphérique) ; rien n'a été lu.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n'a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>an unfinished change is pending in "%1"; start Plumbline once to complete it</source>
        <translation>une modification inachevée est en attente dans « %1 » ; démarrez Plumbline une fois pour l'achever</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The file holds binary data (NUL bytes): it is not a CSV text file.</source>
        <translation>Le fichier contient des données binaires (octets NUL) : ce n'est pas un fichier texte CSV.</translation>
    </message>
    <message>
        <source>The file starts as UTF-8 text but holds bytes that are not UTF-8.</source>
        <translation>Le fichier commence comme du texte UTF-8 mais contient des octets qui ne sont pas de l'UTF-8.</translation>
    </message>
    <message>
        <source>The file holds bytes that are neither UTF-8 nor Windows-1252 text.</source>
        <translation>Le fichier contient des octets qui ne sont ni du texte UTF-8 ni du texte Windows-1252.</translation>
    </message>
    <message>
        <source>The file holds control characters: it is not a CSV text file.</source>
        <translation>Le fichier contient des caractères de contrôle : ce n'est pas un fichier texte CSV.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, too large to import.</source>
        <translation>Le fichier dépasse %1 Mo, il est trop volumineux pour être importé.</translation>
    </message>
    <message>
        <source>Line %1: a quoted field is not closed.</source>
        <translation>Ligne %1 : un champ entre guillemets n'est pas fermé.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Montant d'origine</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Montant actuel</translation>
    </message>
    <message>
        <source>Inflation Rate</source>
        <translation>Taux d'inflation</translation>
    </message>
    <message>
        <source>the date is missing</source>
        <translation>la date manque</translation>
    </message>
    <message>
        <source>the date "%1" reads both as month/day and as day/month</source>
        <translation>la date « %1 » se lit aussi bien mois/jour que jour/mois</translation>
    </message>
    <message>
        <source>the date "%1" is not a date</source>
        <translation>la date « %1 » n'est pas une date</translation>
    </message>
    <message>
        <source>the original amount is missing</source>
        <translation>le montant d'origine manque</translation>
    </message>
    <message>
        <source>the original amount "%1" is not an amount</source>
        <translation>le montant d'origine « %1 » n'est pas un montant</translation>
    </message>
    <message>
        <source>the current amount is missing</source>
        <translation>le montant actuel manque</translation>
    </message>
    <message>
        <source>the current amount "%1" is not an amount</source>
        <translation>le montant actuel « %1 » n'est pas un montant</translation>
    </message>
    <message>
        <source>the inflation rate "%1" is not a rate</source>
        <translation>le taux d'inflation « %1 » n'est pas un taux</translation>
    </message>
    <message>
        <source>the row is of investment "%1", line %2 of investment "%3": import one investment at a time</source>
        <translation>la ligne appartient au placement « %1 », la ligne %2 au placement « %3 » : importez un seul placement à la fois</translation>
    </message>
    <message>
        <source>No column of the file is named as %1 (its header: %2).</source>
        <extracomment>%1 lists the missing column names, %2 is the file's header line</extracomment>
        <translation>Aucune colonne du fichier ne s'appelle %1 (son en-tête : %2).</translation>
    </message>
    <message>
        <source>The file holds no records.</source>
        <translation>Le fichier ne contient aucun enregistrement.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <extracomment>%1 is a line number of the file, %2 what is wrong with it</extracomment>
        <translation>Ligne %1 : %2.</translation>
    </message>
    <message>
        <source>A new investment needs an entry in 'Investment'.</source>
        <translation>Un nouveau placement doit avoir une saisie dans « Placement ».</translation>
    </message>
    <message>
        <source>An investment's type and institution hold at most 50 characters each.</source>
        <translation>Le type et l'établissement d'un placement comptent chacun 50 caractères au plus.</translation>
    </message>
    <message>
        <source>An investment's type and institution cannot hold line breaks.</source>
        <translation>Le type et l'établissement d'un placement ne peuvent pas contenir de saut de ligne.</translation>
    </message>
    <message>
        <source>the investment's first record</source>
        <translation>le premier enregistrement du placement</translation>
    </message>
    <message>
        <source>no earlier record has both amounts above 0</source>
        <translation>aucun enregistrement antérieur n'a ses deux montants supérieurs à 0</translation>
    </message>
    <message>
        <source>the date is before the record the rate would start from</source>
        <translation>la date précède l'enregistrement à partir duquel le taux commencerait</translation>
    </message>
    <message>
        <source>%1 % is too large for a rate</source>
        <translation>%1 % est trop grand pour un taux</translation>
    </message>
    <message>
        <source>There is no investment %1 (the file holds %2).</source>
        <translation>Il n'y a pas de placement %1 (le fichier contient %2).</translation>
    </message>
    <message>
        <source>The data files changed after the records were read; nothing was written.</source>
        <translation>Les fichiers de données ont changé après la lecture des enregistrements ; rien n'a été écrit.</translation>
    </message>
    <message>
        <source>Import Records</source>
        <translation>Importer des enregistrements</translation>
    </message>
    <message>
        <source>Fill Missing Rates</source>
        <translation>Compléter les taux manquants</translation>
    </message>
    <message>
        <source>The import could not be completed. Plumbline 3.5 completes it when it starts next time, and ends now.</source>
        <translation>L'importation n'a pas pu être achevée. Plumbline 3.5 l'achèvera à son prochain démarrage et se ferme maintenant.</translation>
    </message>
    <message>
        <source>Import Recor&amp;ds…</source>
        <translation>Importer des enregistremen&amp;ts…</translation>
    </message>
    <message>
        <source>&amp;Fill Missing Rates…</source>
        <translation>&amp;Compléter les taux manquants…</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>Fichiers CSV (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>"%1" cannot be imported: %2</source>
        <extracomment>%1 is a file name, %2 the reason</extracomment>
        <translation>« %1 » ne peut pas être importé : %2</translation>
    </message>
    <message>
        <source>Every date of this file can be read month first and day first.<byte value="xd" />
<byte value="xd" />
Line %1 holds "%2":<byte value="xd" />
Yes: month/day/year, %3<byte value="xd" />
No: day/month/year, %4<byte value="xd" />
<byte value="xd" />
Are the dates month first?</source>
        <extracomment>%1 is a line number, %2 the date as the file writes it, %3 and %4 the two dates it can be</extracomment>
        <translation>Chaque date de ce fichier peut se lire le mois d'abord comme le jour d'abord.

La ligne %1 contient « %2 » :
Oui : mois/jour/année, %3
Non : jour/mois/année, %4

Les dates commencent-elles par le mois ?</translation>
    </message>
    <message>
        <source>There is no investment shown to fill rates for.</source>
        <translation>Aucun placement n'est affiché dont compléter les taux.</translation>
    </message>
</context>
<context>
    <name>ImportPriceIndexDialog</name>
    <message>
        <source>Import a monthly price index from a CSV file</source>
        <translation>Importer un indice des prix mensuel depuis un fichier CSV</translation>
    </message>
    <message>
        <source>The file to import</source>
        <translation>Le fichier à importer</translation>
    </message>
    <message>
        <source>Caption of the name box</source>
        <translation>Légende de la zone du nom</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Name the imported series is kept under; a series of the same name is replaced</source>
        <translation>Nom sous lequel la série importée est conservée ; une série du même nom est remplacée</translation>
    </message>
    <message>
        <source>Caption of the country code box</source>
        <translation>Légende de la zone du code pays</translation>
    </message>
    <message>
        <source>Country code</source>
        <translation>Code pays</translation>
    </message>
    <message>
        <source>Two-letter code of the country the series measures</source>
        <translation>Code à deux lettres du pays que mesure la série</translation>
    </message>
    <message>
        <source>What the file may hold</source>
        <translation>Ce que le fichier peut contenir</translation>
    </message>
    <message>
        <source>Import the file under this name (Enter)</source>
        <translation>Importer le fichier sous ce nom (Entrée)</translation>
    </message>
    <message>
        <source>Close without importing (Esc)</source>
        <translation>Fermer sans importer (Échap)</translation>
    </message>
</context>
<context>
    <name>InflationChart</name>
    <message>
        <source>Chart of the investment</source>
        <translation>Graphique du placement</translation>
    </message>
    <message>
        <source>the investment</source>
        <extracomment>Stands for %1 in the chart's description when the investment has no type or institution</extracomment>
        <translation>le placement</translation>
    </message>
    <message>
        <source>Current Amount and Current Amount AFI of %1 over %2 record from %3 to %4. </source>
        <extracomment>AFI = adjusted for inflation; %1 the investment, %2 the number of records, %3 and %4 dates</extracomment>
        <translation>Montant actuel et montant actuel corrigé de l'inflation de %1 sur %2 enregistrement du %3 au %4. </translation>
    </message>
    <message>
        <source>Current Amount and Current Amount AFI of %1 over %2 records from %3 to %4. </source>
        <translation>Montant actuel et montant actuel corrigé de l'inflation de %1 sur %2 enregistrements du %3 au %4. </translation>
    </message>
    <message>
        <source>Last record: Current Amount %1, Current Amount AFI %2, Profit/Loss AFI %3.</source>
        <extracomment>AFI = adjusted for inflation; %1 to %3 amounts</extracomment>
        <translation>Dernier enregistrement : montant actuel %1, montant actuel corrigé de l'inflation %2, gain/perte corrigé(e) de l'inflation %3.</translation>
    </message>
    <message>
        <source>Current Amount AFI lies above Current Amount at %1 of the %2 records: a gain from falling prices.</source>
        <extracomment>AFI = adjusted for inflation; %1 and %2 numbers of records</extracomment>
        <translation>Le montant actuel corrigé de l'inflation dépasse le montant actuel pour %1 des %2 enregistrements : un gain dû à la baisse des prix.</translation>
    </message>
    <message>
        <source>Current Amount AFI lies above Current Amount at its record: a gain from falling prices.</source>
        <translation>Le montant actuel corrigé de l'inflation dépasse le montant actuel pour son enregistrement : un gain dû à la baisse des prix.</translation>
    </message>
    <message>
        <source>Current Amount AFI lies above Current Amount at every record: a gain from falling prices.</source>
        <translation>Le montant actuel corrigé de l'inflation dépasse le montant actuel pour chaque enregistrement : un gain dû à la baisse des prix.</translation>
    </message>
    <message>
        <source>Left and Right move from record to record.</source>
        <translation>Gauche et Droite passent d'un enregistrement à l'autre.</translation>
    </message>
</context>
<context>
    <name>Password</name>
    <message>
        <source>The password library cannot start</source>
        <translation>La bibliothèque des mots de passe ne peut pas démarrer</translation>
    </message>
</context>
<context>
    <name>PortfolioModel</name>
    <message>
        <source>See “Returns” in the user guide (F1 or About These Figures).</source>
        <extracomment>F1 is the key; About These Figures is a button of the portfolio window</extracomment>
        <translation>Voir « Rendements » dans le guide de l'utilisateur (F1 ou À propos de ces chiffres).</translation>
    </message>
    <message>
        <source>No figure: %1.</source>
        <extracomment>%1 why a figure cannot be given</extracomment>
        <translation>Aucun chiffre : %1.</translation>
    </message>
    <message>
        <source>No figure: no record with both amounts above zero.</source>
        <translation>Aucun chiffre : aucun enregistrement avec les deux montants supérieurs à zéro.</translation>
    </message>
    <message>
        <source>The investment record cannot be read.</source>
        <translation>Le placement ne peut pas être lu.</translation>
    </message>
    <message>
        <source>All investments</source>
        <translation>Tous les placements</translation>
    </message>
    <message>
        <source>The %1 of %2 investments that have figures of their own, taken together.</source>
        <extracomment>%1 and %2 numbers of investments</extracomment>
        <translation>Les %1 placements sur %2 qui ont leurs propres chiffres, pris ensemble.</translation>
    </message>
    <message>
        <source>The sum over the investments that have figures of their own.</source>
        <translation>La somme sur les placements qui ont leurs propres chiffres.</translation>
    </message>
    <message>
        <source>Each sum of money counted in prices of %1 by the price index %2.</source>
        <extracomment>%1 a date, %2 the name of a price index</extracomment>
        <translation>Chaque somme d'argent est exprimée aux prix du %1 selon l'indice des prix %2.</translation>
    </message>
    <message>
        <source>Price index: %1.</source>
        <translation>Indice des prix : %1.</translation>
    </message>
    <message>
        <source>No time-weighted figure for all investments together: the investments' records fall on different dates, so there are no common intervals to link. The money-weighted figures cover them all.</source>
        <translation>Aucun chiffre pondéré par le temps pour tous les placements ensemble : les enregistrements des placements tombent à des dates différentes, il n'y a donc pas de périodes communes à enchaîner. Les chiffres pondérés par les capitaux les couvrent tous.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Établissement</translation>
    </message>
    <message>
        <source>First Date</source>
        <translation>Première date</translation>
    </message>
    <message>
        <source>Last Date</source>
        <translation>Dernière date</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Années</translation>
    </message>
    <message>
        <source>Last Current
Amount</source>
        <translation>Dernier montant
actuel</translation>
    </message>
    <message>
        <source>Total Loss
to Inflation</source>
        <translation>Perte totale
due à l'inflation</translation>
    </message>
    <message>
        <source>Time-Weighted
Per Year (%)</source>
        <translation>Pondéré temps
par an (%)</translation>
    </message>
    <message>
        <source>Time-Weighted
After Inflation (%)</source>
        <translation>Pondéré temps
après inflation (%)</translation>
    </message>
    <message>
        <source>Money-Weighted
Per Year (%)</source>
        <translation>Pondéré capitaux
par an (%)</translation>
    </message>
    <message>
        <source>Money-Weighted
After Inflation (%)</source>
        <translation>Pondéré capitaux
après inflation (%)</translation>
    </message>
    <message>
        <source>The type of investment, as entered in its investment record.</source>
        <translation>Le type de placement, tel que saisi dans son placement.</translation>
    </message>
    <message>
        <source>The institution that holds the investment.</source>
        <translation>L'établissement qui détient le placement.</translation>
    </message>
    <message>
        <source>The date of the first record with both amounts above zero: the records the figures count.</source>
        <translation>La date du premier enregistrement avec les deux montants supérieurs à zéro : les enregistrements que comptent les chiffres.</translation>
    </message>
    <message>
        <source>The date of the last record with both amounts above zero.</source>
        <translation>La date du dernier enregistrement avec les deux montants supérieurs à zéro.</translation>
    </message>
    <message>
        <source>The time from the first to the last date, in years of 365.25 days.</source>
        <translation>Le temps de la première à la dernière date, en années de 365,25 jours.</translation>
    </message>
    <message>
        <source>The current amount of the last record counted. For all investments, the sum of those amounts.</source>
        <translation>Le montant actuel du dernier enregistrement compté. Pour tous les placements, la somme de ces montants.</translation>
    </message>
    <message>
        <source>What inflation took, added up over the records: each record's Loss To Inflation, counted once (a record without an inflation rate adds nothing).</source>
        <translation>Ce que l'inflation a pris, additionné sur les enregistrements : la perte due à l'inflation de chaque enregistrement, comptée une fois (un enregistrement sans taux d'inflation n'ajoute rien).</translation>
    </message>
    <message>
        <source>How much the investment itself grew a year, leaving out the money you added or took out: the return of each interval between records, linked together and spread over the years. Given for a year or more of records.</source>
        <translation>De combien le placement lui-même a progressé par an, sans compter l'argent que vous avez versé ou retiré : le rendement de chaque période entre enregistrements, enchaîné puis réparti sur les années. Donné pour un an d'enregistrements ou plus.</translation>
    </message>
    <message>
        <source>The same growth a year once the inflation rates of the records are taken out. Above zero, the investment beat inflation; below zero, inflation won.</source>
        <translation>La même progression par an une fois retirés les taux d'inflation des enregistrements. Au-dessus de zéro, le placement a battu l'inflation ; en dessous, l'inflation l'a emporté.</translation>
    </message>
    <message>
        <source>The yearly rate your money earned, counting when you added or took out money, as a bank quotes interest on a savings account.</source>
        <translation>Le taux annuel qu'a rapporté votre argent, en tenant compte des moments où vous avez versé ou retiré de l'argent, comme une banque indique les intérêts d'un compte d'épargne.</translation>
    </message>
    <message>
        <source>The same rate after inflation: above zero, your savings beat inflation. For all investments, every sum is counted in prices of the first date by the price index chosen under View, Price Index.</source>
        <translation>Le même taux après inflation : au-dessus de zéro, votre épargne a battu l'inflation. Pour tous les placements, chaque somme est exprimée aux prix de la première date selon l'indice des prix choisi sous Affichage, Indice des prix.</translation>
    </message>
    <message>
        <source>Investment record %1: Enter or a double click shows it in the main window.</source>
        <extracomment>%1 the investment's number</extracomment>
        <translation>Placement %1 : Entrée ou un double-clic l'affiche dans la fenêtre principale.</translation>
    </message>
</context>
<context>
    <name>PortfolioWindow</name>
    <message>
        <source>Every investment's returns, nominal and after inflation, and those of all of them</source>
        <translation>Les rendements de chaque placement, nominaux et après inflation, et ceux de tous ensemble</translation>
    </message>
    <message>
        <source>Save the table's figures as a CSV file, as plumbline-export --returns writes them</source>
        <translation>Enregistrer les chiffres du tableau dans un fichier CSV, tels que les écrit plumbline-export --returns</translation>
    </message>
    <message>
        <source>Open the user guide, whose section Returns explains the figures (F1)</source>
        <translation>Ouvrir le guide de l'utilisateur, dont la section Rendements explique les chiffres (F1)</translation>
    </message>
    <message>
        <source>Returns of each investment</source>
        <translation>Rendements de chaque placement</translation>
    </message>
    <message>
        <source>One row per investment and a last row for all of them; Enter shows the investment in the main window</source>
        <translation>Une ligne par placement et une dernière ligne pour tous ensemble ; Entrée affiche le placement dans la fenêtre principale</translation>
    </message>
    <message>
        <source>Corner of the table</source>
        <translation>Coin du tableau</translation>
    </message>
    <message>
        <source>Rows are picked one at a time, with the arrow keys or a click</source>
        <translation>Les lignes se choisissent une à une, avec les touches fléchées ou un clic</translation>
    </message>
    <message>
        <source>Returns</source>
        <translation>Rendements</translation>
    </message>
    <message>
        <source>The table of returns, or why there is none</source>
        <translation>Le tableau des rendements, ou la raison de son absence</translation>
    </message>
    <message>
        <source>Why there is no table</source>
        <translation>Pourquoi il n'y a pas de tableau</translation>
    </message>
    <message>
        <source>The reason the figures cannot be shown</source>
        <translation>La raison pour laquelle les chiffres ne peuvent pas être affichés</translation>
    </message>
    <message>
        <source>Note on the figures</source>
        <translation>Note sur les chiffres</translation>
    </message>
    <message>
        <source>No note</source>
        <translation>Aucune note</translation>
    </message>
    <message>
        <source>Table and chart</source>
        <translation>Tableau et graphique</translation>
    </message>
    <message>
        <source>Drag to share the height between the table and the chart</source>
        <translation>Faites glisser pour répartir la hauteur entre le tableau et le graphique</translation>
    </message>
    <message>
        <source>The data history cannot be read: line %1 of "%2" gives error %3 (%4).</source>
        <translation>L'historique des données ne peut pas être lu : la ligne %1 de « %2 » donne l'erreur %3 (%4).</translation>
    </message>
    <message>
        <source>The data history "%1" cannot be read: error %2 (%3).</source>
        <translation>L'historique des données « %1 » ne peut pas être lu : erreur %2 (%3).</translation>
    </message>
    <message>
        <source>The data files in "%1" cannot be read: error %2 (%3).</source>
        <translation>Les fichiers de données de « %1 » ne peuvent pas être lus : erreur %2 (%3).</translation>
    </message>
    <message>
        <source>There are no investments yet. Add one with the New Investment Record command of the main window.</source>
        <translation>Il n'y a encore aucun placement. Ajoutez-en un avec la commande Nouveau placement de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Portfolio: Did My Savings Beat Inflation?</source>
        <translation>Portefeuille : mon épargne a-t-elle battu l'inflation ?</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>Enregistrer en &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;About These Figures</source>
        <translation>À &amp;propos de ces chiffres</translation>
    </message>
    <message>
        <source>Opens the user guide, whose section “Returns” explains how each figure is worked out (F1).</source>
        <translation>Ouvre le guide de l'utilisateur, dont la section « Rendements » explique comment chaque chiffre est calculé (F1).</translation>
    </message>
    <message>
        <source>No figure after inflation for all investments: %1</source>
        <translation>Aucun chiffre après inflation pour tous les placements : %1</translation>
    </message>
    <message>
        <source>All investments</source>
        <translation>Tous les placements</translation>
    </message>
    <message>
        <source>Save Returns as CSV</source>
        <translation>Enregistrer les rendements en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The user guide "%1" could not be opened. Its section “Returns” explains these figures.</source>
        <translation>Le guide de l'utilisateur « %1 » n'a pas pu être ouvert. Sa section « Rendements » explique ces chiffres.</translation>
    </message>
</context>
<context>
    <name>PriceIndex</name>
    <message>
        <source>No date to measure from.</source>
        <translation>Aucune date à partir de laquelle mesurer.</translation>
    </message>
    <message>
        <source>The date %1 comes before %2.</source>
        <translation>La date %1 précède %2.</translation>
    </message>
    <message>
        <source>%1 holds no values.</source>
        <translation>%1 ne contient aucune valeur.</translation>
    </message>
    <message>
        <source>%1 starts in %2; %3 is before it.</source>
        <translation>%1 commence en %2 ; %3 est antérieur.</translation>
    </message>
    <message>
        <source>%1 ends in %2; %3 is after it.</source>
        <translation>%1 se termine en %2 ; %3 est postérieur.</translation>
    </message>
    <message>
        <source>%1: one quarterly value covers both dates (%2).</source>
        <translation>%1 : une seule valeur trimestrielle couvre les deux dates (%2).</translation>
    </message>
    <message>
        <source>%1 has no value for %2.</source>
        <translation>%1 n'a pas de valeur pour %2.</translation>
    </message>
    <message>
        <source>%1: the rate from %2 to %3 is too large to show.</source>
        <translation>%1 : le taux de %2 à %3 est trop grand pour être affiché.</translation>
    </message>
    <message>
        <source>line %1: unknown kind "%2"</source>
        <translation>ligne %1 : type « %2 » inconnu</translation>
    </message>
    <message>
        <source>line %1: "%2" is not a period and a value</source>
        <translation>ligne %1 : « %2 » n'est pas une période suivie d'une valeur</translation>
    </message>
    <message>
        <source>line %1: %2 appears twice</source>
        <translation>ligne %1 : %2 apparaît deux fois</translation>
    </message>
    <message>
        <source>not a price index file (name, kind or data missing)</source>
        <translation>ce n'est pas un fichier d'indice des prix (nom, type ou données manquants)</translation>
    </message>
    <message>
        <source>The file is too large to be a price index (more than %1 MB).</source>
        <translation>Le fichier est trop volumineux pour être un indice des prix (plus de %1 Mo).</translation>
    </message>
    <message>
        <source>Line %1: the date "%2" is not in the form YYYY-MM or YYYY-MM-DD.</source>
        <translation>Ligne %1 : la date « %2 » n'est pas de la forme AAAA-MM ou AAAA-MM-JJ.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a valid date.</source>
        <translation>Ligne %1 : « %2 » n'est pas une date valide.</translation>
    </message>
    <message>
        <source>Line %1: there is no value after the date.</source>
        <translation>Ligne %1 : il n'y a pas de valeur après la date.</translation>
    </message>
    <message>
        <source>Line %1: the value "%2" is not a number.</source>
        <translation>Ligne %1 : la valeur « %2 » n'est pas un nombre.</translation>
    </message>
    <message>
        <source>Line %1: the value %2 is not above 0.</source>
        <translation>Ligne %1 : la valeur %2 n'est pas supérieure à 0.</translation>
    </message>
    <message>
        <source>Line %1: the month %2 appears again (first on line %3).</source>
        <translation>Ligne %1 : le mois %2 apparaît de nouveau (une première fois à la ligne %3).</translation>
    </message>
    <message>
        <source>The file has no usable row: no line with a month (YYYY-MM or YYYY-MM-DD) and a value.</source>
        <translation>Le fichier n'a aucune ligne utilisable : aucune ligne avec un mois (AAAA-MM ou AAAA-MM-JJ) et une valeur.</translation>
    </message>
    <message>
        <source>There is no price index named %1.</source>
        <translation>Il n'y a pas d'indice des prix nommé %1.</translation>
    </message>
    <message>
        <source>The price index %1 could not be read.</source>
        <translation>L'indice des prix %1 n'a pas pu être lu.</translation>
    </message>
    <message>
        <source>The price index file %1 is damaged: %2.</source>
        <translation>Le fichier d'indice des prix %1 est endommagé : %2.</translation>
    </message>
    <message>
        <source>The name "%1" cannot be used. A name has 1 to 40 letters, digits, '-', '_' or '.', and does not start with '.'.</source>
        <translation>Le nom « %1 » ne peut pas être utilisé. Un nom compte de 1 à 40 lettres, chiffres, « - », « _ » ou « . », et ne commence pas par « . ».</translation>
    </message>
    <message>
        <source>%1 is the name of a price index that comes with Plumbline. Choose another name.</source>
        <translation>%1 est le nom d'un indice des prix fourni avec Plumbline. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>The country "%1" is not a two-letter country code (such as CA or DE).</source>
        <translation>Le pays « %1 » n'est pas un code pays à deux lettres (comme CA ou DE).</translation>
    </message>
    <message>
        <source>%1 is not a plain folder; nothing was imported.</source>
        <translation>%1 n'est pas un simple dossier ; rien n'a été importé.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Le dossier %1 n'a pas pu être créé.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; it was left as it is and nothing was imported.</source>
        <translation>%1 n'est pas un simple fichier ; il a été laissé tel quel et rien n'a été importé.</translation>
    </message>
    <message>
        <source>The price index could not be saved (error %1: %2). Nothing was changed.</source>
        <translation>L'indice des prix n'a pas pu être enregistré (erreur %1 : %2). Rien n'a été modifié.</translation>
    </message>
</context>
<context>
    <name>PriceIndexDialog</name>
    <message>
        <source>Choose the price index the data record dialog suggests inflation rates from</source>
        <translation>Choisir l'indice des prix d'après lequel la fenêtre d'enregistrement suggère des taux d'inflation</translation>
    </message>
    <message>
        <source>What the chosen price index is used for</source>
        <translation>À quoi sert l'indice des prix choisi</translation>
    </message>
    <message>
        <source>Find a series or country</source>
        <translation>Rechercher une série ou un pays</translation>
    </message>
    <message>
        <source>Show only the series whose name, title, frequency, coverage, publisher or country holds this text</source>
        <translation>N'afficher que les séries dont le nom, le titre, la fréquence, la couverture, l'éditeur ou le pays contient ce texte</translation>
    </message>
    <message>
        <source>Price indexes</source>
        <translation>Indices des prix</translation>
    </message>
    <message>
        <source>The shipped and imported price indexes by country, with their series, frequency, coverage and publisher</source>
        <translation>Les indices des prix fournis et importés, par pays, avec leurs séries, fréquence, couverture et éditeur</translation>
    </message>
    <message>
        <source>Where the selected price index comes from: publisher, unit and base, frequency, coverage, the day it was taken and its credit line</source>
        <translation>D'où vient l'indice des prix sélectionné : éditeur, unité et base, fréquence, couverture, date de relevé et mention de source</translation>
    </message>
    <message>
        <source>Price index files that could not be read</source>
        <translation>Fichiers d'indice des prix qui n'ont pas pu être lus</translation>
    </message>
    <message>
        <source>Use the selected price index and close (Enter)</source>
        <translation>Utiliser l'indice des prix sélectionné et fermer (Entrée)</translation>
    </message>
    <message>
        <source>Close without a change (Esc)</source>
        <translation>Fermer sans rien changer (Échap)</translation>
    </message>
    <message>
        <source>Annual averages: a rate between two dates is spread over the days of each year.</source>
        <translation>Moyennes annuelles : un taux entre deux dates est réparti sur les jours de chaque année.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Printer error</source>
        <translation>Erreur d'imprimante</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Report of %1</source>
        <extracomment>%1 the date the report was made</extracomment>
        <translation>Rapport du %1</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <extracomment>%1 a folder</extracomment>
        <translation>Dossier de données : %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>%1 and %2 page numbers</extracomment>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column heading: %1 the investment's number, %2 its type or its institution</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>A column heading: %1 the investment's number, %2 its type, %3 its institution</extracomment>
        <translation>%1 : %2, %3</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <extracomment>%1 the title of a table that goes on from the page before
----------
%1 the title of a section that goes on from the page before</extracomment>
        <translation>%1 (suite)</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>Short for number</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Établissement</translation>
    </message>
    <message>
        <source>First Counted Record</source>
        <translation>Premier enregistrement compté</translation>
    </message>
    <message>
        <source>Last Counted Record</source>
        <translation>Dernier enregistrement compté</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Années</translation>
    </message>
    <message>
        <source>Time-Weighted a Year (%)</source>
        <translation>Pondéré par le temps, par an (%)</translation>
    </message>
    <message>
        <source>After Inflation a Year (%)</source>
        <translation>Après inflation, par an (%)</translation>
    </message>
    <message>
        <source>Money-Weighted a Year (%)</source>
        <translation>Pondéré par les capitaux, par an (%)</translation>
    </message>
    <message>
        <source>Why a Figure Is Blank</source>
        <translation>Pourquoi un chiffre est vide</translation>
    </message>
    <message>
        <source>All investments</source>
        <translation>Tous les placements</translation>
    </message>
    <message>
        <source>Returns a year</source>
        <translation>Rendements par an</translation>
    </message>
    <message>
        <source>Per year, in percent, over each investment's counted records (both amounts above zero). Time-weighted: the returns between records (money added counted at mid-interval) chained together, how the investment itself did whatever was put in or taken out. Money-weighted: the yearly rate at which the money put in, the money taken out and the last current amount come to nothing, how the money in it did. After inflation: less the inflation rates of the records. A span under a year has no figure per year; each investment's page gives its figures in all.</source>
        <translation>Par an, en pourcentage, sur les enregistrements comptés de chaque placement (deux montants supérieurs à zéro). Pondéré par le temps : les rendements entre enregistrements (l'argent versé compté au milieu de la période) enchaînés, c'est-à-dire comment le placement lui-même s'est comporté, quoi qu'on y ait versé ou retiré. Pondéré par les capitaux : le taux annuel auquel l'argent versé, l'argent retiré et le dernier montant actuel s'annulent, c'est-à-dire comment l'argent placé s'est comporté. Après inflation : déduction faite des taux d'inflation des enregistrements. Une durée de moins d'un an n'a pas de chiffre par an ; la page de chaque placement donne ses chiffres sur toute la durée.</translation>
    </message>
    <message>
        <source>All investments: money-weighted over every investment's money.</source>
        <translation>Tous les placements : pondéré par les capitaux sur l'argent de tous les placements.</translation>
    </message>
    <message>
        <source>All investments: money-weighted over every investment's money, after inflation by the price index %1.</source>
        <translation>Tous les placements : pondéré par les capitaux sur l'argent de tous les placements, après inflation selon l'indice des prix %1.</translation>
    </message>
    <message>
        <source>What inflation took, year by year</source>
        <translation>Ce que l'inflation a pris, année par année</translation>
    </message>
    <message>
        <source>The Loss To Inflation of the records dated in each calendar year, counted as Total Loss To Inflation counts it: records with an inflation rate only, so a loss carried by a record without a rate counts once. The Total row is each investment's Total Loss To Inflation. A blank: no record with an inflation rate that year.</source>
        <translation>La perte due à l'inflation des enregistrements datés de chaque année civile, comptée comme la compte la perte totale due à l'inflation : enregistrements avec taux d'inflation uniquement, de sorte qu'une perte reportée par un enregistrement sans taux ne compte qu'une fois. La ligne Total est la perte totale due à l'inflation de chaque placement. Une case vide : aucun enregistrement avec taux d'inflation cette année-là.</translation>
    </message>
    <message>
        <source>No record has an inflation rate yet.</source>
        <translation>Aucun enregistrement n'a encore de taux d'inflation.</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>All Investments</source>
        <translation>Tous les placements</translation>
    </message>
    <message>
        <source>What inflation took, year by year (investments %1 to %2)</source>
        <extracomment>%1 and %2 investment numbers</extracomment>
        <translation>Ce que l'inflation a pris, année par année (placements %1 à %2)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Investment %1</source>
        <extracomment>%1 the investment's number</extracomment>
        <translation>Placement %1</translation>
    </message>
    <message>
        <source>Investment %1: %2</source>
        <extracomment>%1 the investment's number, %2 its type or its institution</extracomment>
        <translation>Placement %1 : %2</translation>
    </message>
    <message>
        <source>Investment %1: %2, %3</source>
        <extracomment>%1 the investment's number, %2 its type, %3 its institution</extracomment>
        <translation>Placement %1 : %2, %3</translation>
    </message>
    <message>
        <source>First Record</source>
        <translation>Premier enregistrement</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>Dernier enregistrement</translation>
    </message>
    <message>
        <source>Last Original Amount</source>
        <translation>Dernier montant d'origine</translation>
    </message>
    <message>
        <source>Last Current Amount</source>
        <translation>Dernier montant actuel</translation>
    </message>
    <message>
        <source>Profit/Loss</source>
        <translation>Gain/perte</translation>
    </message>
    <message>
        <source>Current Amount AFI</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Montant actuel c. infl.</translation>
    </message>
    <message>
        <source>Profit/Loss AFI</source>
        <translation>Gain/perte c. infl.</translation>
    </message>
    <message>
        <source>Total Loss To Inflation</source>
        <translation>Perte totale due à l'inflation</translation>
    </message>
    <message>
        <source>Rec</source>
        <extracomment>Short for record number</extracomment>
        <translation>Enr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Montant d'origine</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Montant actuel</translation>
    </message>
    <message>
        <source>Inc/Dec</source>
        <extracomment>Increase or decrease of the amount</extracomment>
        <translation>Hausse/baisse</translation>
    </message>
    <message>
        <source>Inflation Rate (%)</source>
        <translation>Taux d'inflation (%)</translation>
    </message>
    <message>
        <source>Loss To Inflation</source>
        <translation>Perte due à l'inflation</translation>
    </message>
    <message>
        <source>Total, 1 investment</source>
        <extracomment>The summary's total row, under Type</extracomment>
        <translation>Total, 1 placement</translation>
    </message>
    <message>
        <source>Total, %1 investments</source>
        <translation>Total, %1 placements</translation>
    </message>
    <message>
        <source>1 data record</source>
        <translation>1 enregistrement</translation>
    </message>
    <message>
        <source>%1 data records</source>
        <translation>%1 enregistrements</translation>
    </message>
    <message>
        <source>Summary (continued)</source>
        <translation>Résumé (suite)</translation>
    </message>
    <message>
        <source>Plumbline Report</source>
        <translation>Rapport Plumbline</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>The amounts and figures are those of each investment's last record with both amounts above zero, as its row shows them: Profit/Loss is its Current Amount less its Original Amount; Current Amount AFI and Profit/Loss AFI are those of the last record with an inflation rate. Total Loss To Inflation adds up the loss of every record that has an inflation rate; a record without a rate carries the loss before it and adds nothing, and a record with an amount of zero or less is left out.</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Les montants et les chiffres sont ceux du dernier enregistrement de chaque placement dont les deux montants sont supérieurs à zéro, tels que sa ligne les affiche : le gain/perte est son montant actuel moins son montant d'origine ; le montant actuel corrigé de l'inflation et le gain/perte corrigé(e) de l'inflation sont ceux du dernier enregistrement ayant un taux d'inflation. La perte totale due à l'inflation additionne la perte de chaque enregistrement ayant un taux d'inflation ; un enregistrement sans taux reporte la perte précédente et n'ajoute rien, et un enregistrement dont un montant est nul ou négatif est laissé de côté.</translation>
    </message>
    <message>
        <source>No data records.</source>
        <translation>Aucun enregistrement.</translation>
    </message>
    <message>
        <source>1 data record, %1.</source>
        <extracomment>%1 a date</extracomment>
        <translation>1 enregistrement, %1.</translation>
    </message>
    <message>
        <source>%1 data records, %2 to %3.</source>
        <extracomment>%1 a number of records, %2 and %3 dates</extracomment>
        <translation>%1 enregistrements, du %2 au %3.</translation>
    </message>
    <message>
        <source>Plumbline report %1</source>
        <extracomment>The PDF document's title; %1 a date</extracomment>
        <translation>Rapport Plumbline %1</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Write the data records and their figures to a PDF report</source>
        <translation>Écrire les enregistrements et leurs chiffres dans un rapport PDF</translation>
    </message>
    <message>
        <source>Which investments the report covers</source>
        <translation>Les placements que couvre le rapport</translation>
    </message>
    <message>
        <source>Report on the investment the main window shows</source>
        <translation>Rapport sur le placement affiché dans la fenêtre principale</translation>
    </message>
    <message>
        <source>Report on every investment</source>
        <translation>Rapport sur chaque placement</translation>
    </message>
    <message>
        <source>Caption of the report file box</source>
        <translation>Légende de la zone du fichier du rapport</translation>
    </message>
    <message>
        <source>Report file</source>
        <translation>Fichier du rapport</translation>
    </message>
    <message>
        <source>Path of the PDF file the report is saved as</source>
        <translation>Chemin du fichier PDF sous lequel le rapport est enregistré</translation>
    </message>
    <message>
        <source>Choose the report file in a file chooser</source>
        <translation>Choisir le fichier du rapport dans un sélecteur de fichiers</translation>
    </message>
    <message>
        <source>Write the report and close (Enter)</source>
        <translation>Écrire le rapport et fermer (Entrée)</translation>
    </message>
    <message>
        <source>Close without writing a report, or stop the report being written (Esc)</source>
        <translation>Fermer sans écrire de rapport, ou arrêter l'écriture du rapport (Échap)</translation>
    </message>
    <message>
        <source>Report progress</source>
        <translation>Progression du rapport</translation>
    </message>
    <message>
        <source>The page the report has reached, of how many</source>
        <translation>La page atteinte par le rapport, sur combien</translation>
    </message>
    <message>
        <source>Pages written</source>
        <translation>Pages écrites</translation>
    </message>
    <message>
        <source>How much of the report is written</source>
        <translation>Quelle part du rapport est écrite</translation>
    </message>
</context>
<context>
    <name>RestoreVersionDialog</name>
    <message>
        <source>Restore Earlier Version</source>
        <translation>Restaurer une version antérieure</translation>
    </message>
    <message>
        <source>Plumbline keeps your data as it was before each change. Choose a version and click Restore to make it your data again; Edit, Undo takes the restore back. Show opens a version's records in your spreadsheet program, and Save Records as CSV writes them to a file, without changing your data.</source>
        <translation>Plumbline conserve vos données telles qu'elles étaient avant chaque modification. Choisissez une version et cliquez sur Restaurer pour en refaire vos données ; Édition, Annuler revient sur la restauration. Afficher ouvre les enregistrements d'une version dans votre tableur, et Enregistrer en CSV les écrit dans un fichier, sans modifier vos données.</translation>
    </message>
    <message>
        <source>No earlier versions are kept yet: each change you make from now on keeps the state before it.</source>
        <translation>Aucune version antérieure n'est encore conservée : chaque modification que vous ferez désormais conservera l'état qui la précède.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Placements</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Kept versions</source>
        <translation>Versions conservées</translation>
    </message>
    <message>
        <source>Newest first: when each change was made, what it was, the investments and records that version holds, and which is current</source>
        <translation>La plus récente d'abord : quand chaque modification a été faite, en quoi elle consistait, les placements et enregistrements que contient cette version, et laquelle est l'actuelle</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>S&amp;how</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;Save Records as CSV…</source>
        <translation>Enregistrer en &amp;CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuelle</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Annulée</translation>
    </message>
    <message>
        <source>Make the version of %1 your data again?<byte value="xd" />
%2<byte value="xd" />
Your data as it is now is kept: Edit, Undo brings it back.</source>
        <extracomment>%1 is the time of the version, %2 the change made then</extracomment>
        <translation>Refaire de la version du %1 vos données ?
%2
Vos données actuelles sont conservées : Édition, Annuler les ramène.</translation>
    </message>
    <message>
        <source>Save Records of the Version as CSV</source>
        <translation>Enregistrer les enregistrements de la version en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The desktop has no program to show CSV files. Save Records as CSV writes the version's records to a file of your choice.</source>
        <translation>Le bureau n'a aucun programme pour afficher les fichiers CSV. Enregistrer en CSV écrit les enregistrements de la version dans le fichier de votre choix.</translation>
    </message>
</context>
<context>
    <name>Returns</name>
    <message>
        <source>no unique rate</source>
        <translation>pas de taux unique</translation>
    </message>
    <message>
        <source>record %1 is dated before the record before it</source>
        <translation>l'enregistrement %1 est daté d'avant l'enregistrement qui le précède</translation>
    </message>
    <message>
        <source>record %1 leaves no money in the investment to measure a return on</source>
        <translation>l'enregistrement %1 ne laisse aucun argent dans le placement sur lequel mesurer un rendement</translation>
    </message>
    <message>
        <source>record %1 has no inflation rate</source>
        <translation>l'enregistrement %1 n'a pas de taux d'inflation</translation>
    </message>
    <message>
        <source>record %1 has an inflation rate at or below -100 %</source>
        <translation>l'enregistrement %1 a un taux d'inflation inférieur ou égal à -100 %</translation>
    </message>
    <message>
        <source>fewer than two records with both amounts above zero</source>
        <translation>moins de deux enregistrements avec les deux montants supérieurs à zéro</translation>
    </message>
    <message>
        <source>the records span less than a year</source>
        <translation>les enregistrements couvrent moins d'un an</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>%1 is the name of a price index</extracomment>
        <translation> ; </translation>
    </message>
    <message>
        <source>series %1</source>
        <translation>série %1</translation>
    </message>
    <message>
        <source>no investment has figures of its own</source>
        <translation>aucun placement n'a ses propres chiffres</translation>
    </message>
    <message>
        <source>no price index</source>
        <translation>aucun indice des prix</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>No return can be given: %1.</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Aucun rendement ne peut être donné : %1.</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3, after inflation %4 in all (time-weighted); no figure per year: %5</source>
        <extracomment>%3 the return, %4 the return after inflation, %5 why there is no figure per year</extracomment>
        <translation>Depuis le %1 (%2 ans) : %3, après inflation %4 au total (pondéré par le temps) ; aucun chiffre par an : %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 in all (time-weighted); no figure per year: %4; no figure after inflation: %5</source>
        <extracomment>%3 the return, %4 why there is no figure per year, %5 why there is none after inflation</extracomment>
        <translation>Depuis le %1 (%2 ans) : %3 au total (pondéré par le temps) ; aucun chiffre par an : %4 ; aucun chiffre après inflation : %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year, after inflation %4 a year (time-weighted); money-weighted: %5</source>
        <extracomment>%3 and %4 returns a year before and after inflation, %5 why there is no money-weighted return</extracomment>
        <translation>Depuis le %1 (%2 ans) : %3 par an, après inflation %4 par an (pondéré par le temps) ; pondéré par les capitaux : %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year, after inflation %4 a year (time-weighted); money-weighted %5 and %6</source>
        <extracomment>%3 and %4 time-weighted returns a year before and after inflation, %5 and %6 money-weighted ones</extracomment>
        <translation>Depuis le %1 (%2 ans) : %3 par an, après inflation %4 par an (pondéré par le temps) ; pondéré par les capitaux %5 et %6</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year, after inflation %4 a year (time-weighted); money-weighted %5 (after inflation: %6)</source>
        <extracomment>%3 and %4 time-weighted returns a year before and after inflation, %5 the money-weighted one, %6 why there is none after inflation</extracomment>
        <translation>Depuis le %1 (%2 ans) : %3 par an, après inflation %4 par an (pondéré par le temps) ; pondéré par les capitaux %5 (après inflation : %6)</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year (time-weighted; no figure after inflation: %4); money-weighted: %5</source>
        <extracomment>%3 the return a year, %4 why there is none after inflation, %5 why there is no money-weighted one</extracomment>
        <translation>Depuis le %1 (%2 ans) : %3 par an (pondéré par le temps ; aucun chiffre après inflation : %4) ; pondéré par les capitaux : %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year (time-weighted; no figure after inflation: %4); money-weighted %5 and %6</source>
        <extracomment>%3 the time-weighted return a year, %4 why there is none after inflation, %5 and %6 money-weighted returns before and after inflation</extracomment>
        <translation>Depuis le %1 (%2 ans) : %3 par an (pondéré par le temps ; aucun chiffre après inflation : %4) ; pondéré par les capitaux %5 et %6</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year (time-weighted; no figure after inflation: %4); money-weighted %5</source>
        <extracomment>%3 the time-weighted return a year, %4 why there is none after inflation, %5 the money-weighted return</extracomment>
        <translation>Depuis le %1 (%2 ans) : %3 par an (pondéré par le temps ; aucun chiffre après inflation : %4) ; pondéré par les capitaux %5</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error %1: %2</source>
        <extracomment>%1 is the error's number, %2 its description</extracomment>
        <translation>Erreur d'exécution %1 : %2</translation>
    </message>
    <message>
        <source>Error Number:%1<byte value="xd" />
%2</source>
        <extracomment>The standard error box: %1 is the error's number (no blank before it), %2 its description</extracomment>
        <translation>Numéro d'erreur :%1
%2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument non valide</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nom ou numéro de fichier incorrect</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Bad file mode</source>
        <translation>Mode d'accès au fichier incorrect</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Fichier déjà ouvert</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Erreur d'entrée/sortie sur le périphérique</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Ce fichier existe déjà</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Bad record number</source>
        <translation>Numéro d'enregistrement incorrect</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Disk not ready</source>
        <translation>Disque non prêt</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d'accès au chemin/fichier</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l'application ou par l'objet</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Copy the two data files to a backup folder</source>
        <translation>Copier les deux fichiers de données dans un dossier de sauvegarde</translation>
    </message>
    <message>
        <source>Add a new investment record</source>
        <translation>Ajouter un nouveau placement</translation>
    </message>
    <message>
        <source>Copy the type or institution of the investment</source>
        <translation>Copier le type ou l'établissement du placement</translation>
    </message>
    <message>
        <source>Delete the shown investment and all of its data records</source>
        <translation>Supprimer le placement affiché et tous ses enregistrements</translation>
    </message>
    <message>
        <source>Open the instructions (F1)</source>
        <translation>Ouvrir le mode d'emploi (F1)</translation>
    </message>
    <message>
        <source>Open the chart of the shown investment's amount against its amount adjusted for inflation (Ctrl+G)</source>
        <translation>Ouvrir le graphique du montant du placement affiché face à son montant corrigé de l'inflation (Ctrl+G)</translation>
    </message>
    <message>
        <source>Open the returns of every investment and of all of them, nominal and after inflation (Ctrl+Shift+G)</source>
        <translation>Ouvrir les rendements de chaque placement et de tous ensemble, nominaux et après inflation (Ctrl+Maj+G)</translation>
    </message>
    <message>
        <source>Toolbar button: %1</source>
        <extracomment>%1 says what the toolbar button does</extracomment>
        <translation>Bouton de la barre d'outils : %1</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
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
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Portfolio</source>
        <translation>Portefeuille</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>Read the data folder &lt;dir&gt; instead of the program's own.</source>
        <translation>Lire le dossier de données &lt;dir&gt; au lieu de celui du programme.</translation>
    </message>
    <message>
        <source>dir</source>
        <extracomment>A placeholder in the help for what is given after an option or the program's name; keep it as the descriptions call it ("&lt;dir&gt;").</extracomment>
        <translation>dir</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>A placeholder in the help for what is given after an option or the program's name; keep it as the descriptions call it ("&lt;name&gt;").</extracomment>
        <translation>name</translation>
    </message>
    <message>
        <source>unexpected argument "%1" (see --help)</source>
        <translation>argument inattendu « %1 » (voir --help)</translation>
    </message>
    <message>
        <source>data folder "%1" does not exist</source>
        <translation>le dossier de données « %1 » n'existe pas</translation>
    </message>
    <message>
        <source>"%1": error %2: %3</source>
        <translation>« %1 » : erreur %2 : %3</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement : %1</translation>
    </message>
    <message>
        <source>there is no investment %1 in "%2" (it holds %3)</source>
        <translation>il n'y a pas de placement %1 dans « %2 » (il contient %3)</translation>
    </message>
    <message>
        <source>error %1: %2</source>
        <translation>erreur %1 : %2</translation>
    </message>
    <message>
        <source>type</source>
        <extracomment>A placeholder in the help for what is given after an option or the program's name; keep it as the descriptions call it ("&lt;type&gt;").</extracomment>
        <translation>type</translation>
    </message>
    <message>
        <source>form</source>
        <extracomment>A placeholder in the help for what is given after an option or the program's name; keep it as the descriptions call it ("&lt;form&gt;").</extracomment>
        <translation>form</translation>
    </message>
    <message>
        <source>Use the data folder &lt;dir&gt; instead of the program's own.</source>
        <translation>Utiliser le dossier de données &lt;dir&gt; au lieu de celui du programme.</translation>
    </message>
    <message>
        <source>command</source>
        <extracomment>A placeholder in the help for the first argument; the description under "Arguments" lists the commands.</extracomment>
        <translation>command</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>A placeholder in the help for what is given after an option or the program's name; keep it as the descriptions call it ("&lt;file&gt;").</extracomment>
        <translation>file</translation>
    </message>
</context>
<context>
    <name>Versions</name>
    <message>
        <source>Add Investment</source>
        <translation>Ajout d'un placement</translation>
    </message>
    <message>
        <source>Edit Investment</source>
        <translation>Modification d'un placement</translation>
    </message>
    <message>
        <source>Delete Investment</source>
        <translation>Suppression d'un placement</translation>
    </message>
    <message>
        <source>Add Record</source>
        <translation>Ajout d'un enregistrement</translation>
    </message>
    <message>
        <source>Insert Record</source>
        <translation>Insertion d'un enregistrement</translation>
    </message>
    <message>
        <source>Edit Record</source>
        <translation>Modification d'un enregistrement</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>Suppression d'un enregistrement</translation>
    </message>
    <message>
        <source>Import Records</source>
        <translation>Importation d'enregistrements</translation>
    </message>
    <message>
        <source>Fill In Rates</source>
        <translation>Complément des taux</translation>
    </message>
    <message>
        <source>Restore Version</source>
        <translation>Restauration d'une version</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restauration d'une sauvegarde</translation>
    </message>
    <message>
        <source>Changes Made Outside Plumbline</source>
        <translation>Modifications faites hors de Plumbline</translation>
    </message>
    <message>
        <source>%1 '%2'</source>
        <extracomment>%1 is the change, as "Delete Investment", %2 the investment's name</extracomment>
        <translation>%1 « %2 »</translation>
    </message>
    <message>
        <source>record %1 (%2)</source>
        <extracomment>%1 is a record's number, %2 its date</extracomment>
        <translation>enregistrement %1 (%2)</translation>
    </message>
    <message>
        <source>a record (%1)</source>
        <translation>un enregistrement (%1)</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>enregistrement %1</translation>
    </message>
    <message>
        <source>a record</source>
        <translation>un enregistrement</translation>
    </message>
    <message>
        <source>Added investment %1</source>
        <translation>Placement %1 ajouté</translation>
    </message>
    <message>
        <source>Changed investment %1</source>
        <translation>Placement %1 modifié</translation>
    </message>
    <message>
        <source>Deleted investment %1</source>
        <translation>Placement %1 supprimé</translation>
    </message>
    <message>
        <source>Added %1 to %2</source>
        <extracomment>%1 is a record, as "record 3 (1/2/2024)", %2 an investment</extracomment>
        <translation>%1 ajouté à %2</translation>
    </message>
    <message>
        <source>Inserted %1 into %2</source>
        <translation>%1 inséré dans %2</translation>
    </message>
    <message>
        <source>Changed %1 of %2</source>
        <translation>%1 de %2 modifié</translation>
    </message>
    <message>
        <source>Deleted %1 of %2</source>
        <translation>%1 de %2 supprimé</translation>
    </message>
    <message>
        <source>Imported %1 record</source>
        <translation>%1 enregistrement importé</translation>
    </message>
    <message>
        <source>Imported %1 records</source>
        <translation>%1 enregistrements importés</translation>
    </message>
    <message>
        <source>Imported %1 record into %2</source>
        <extracomment>%1 is a count, %2 an investment</extracomment>
        <translation>%1 enregistrement importé dans %2</translation>
    </message>
    <message>
        <source>Imported %1 records into %2</source>
        <translation>%1 enregistrements importés dans %2</translation>
    </message>
    <message>
        <source>Filled in %1 rate</source>
        <translation>%1 taux complété</translation>
    </message>
    <message>
        <source>Filled in %1 rates</source>
        <translation>%1 taux complétés</translation>
    </message>
    <message>
        <source>Filled in %1 rate of %2</source>
        <extracomment>%1 is a count, %2 an investment</extracomment>
        <translation>%1 taux complété pour %2</translation>
    </message>
    <message>
        <source>Filled in %1 rates of %2</source>
        <translation>%1 taux complétés pour %2</translation>
    </message>
    <message>
        <source>Restored the version of %1</source>
        <extracomment>%1 is the time of the version</extracomment>
        <translation>Version du %1 restaurée</translation>
    </message>
    <message>
        <source>Restored the backup in %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>Sauvegarde de %1 restaurée</translation>
    </message>
    <message>
        <source>Changed outside Plumbline</source>
        <translation>Modifié hors de Plumbline</translation>
    </message>
    <message>
        <source>The version of %1 cannot be restored: its files were changed after it was kept, probably by an older copy of Plumbline writing to the data history.</source>
        <translation>La version du %1 ne peut pas être restaurée : ses fichiers ont été modifiés après sa conservation, probablement par une copie plus ancienne de Plumbline qui écrivait dans l'historique des données.</translation>
    </message>
    <message>
        <source>There is no change to undo.</source>
        <translation>Il n'y a aucune modification à annuler.</translation>
    </message>
    <message>
        <source>There is no change to redo.</source>
        <translation>Il n'y a aucune modification à rétablir.</translation>
    </message>
    <message>
        <source>There is no version %1.</source>
        <translation>Il n'y a pas de version %1.</translation>
    </message>
    <message>
        <source>The change "%1", under way when Plumbline stopped, was made and is kept as a version.</source>
        <translation>La modification « %1 », en cours quand Plumbline s'est arrêté, a été faite et est conservée comme version.</translation>
    </message>
    <message>
        <source>The change "%1", under way when Plumbline stopped, was not made.</source>
        <translation>La modification « %1 », en cours quand Plumbline s'est arrêté, n'a pas été faite.</translation>
    </message>
    <message>
        <source>a link stands in its place</source>
        <translation>un lien est à sa place</translation>
    </message>
    <message>
        <source>a file stands in its place</source>
        <translation>un fichier est à sa place</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>its permissions are not the ones Plumbline gives it</source>
        <translation>ses droits ne sont pas ceux que Plumbline lui donne</translation>
    </message>
    <message>
        <source>The folder "%1" for the versions of the data files cannot be created, so this change cannot be undone.</source>
        <translation>Le dossier « %1 » des versions des fichiers de données ne peut pas être créé ; cette modification ne pourra donc pas être annulée.</translation>
    </message>
    <message>
        <source>The folder of kept versions "%1" cannot be used (%2) and cannot be moved aside; changes are not kept as versions until it is removed.</source>
        <translation>Le dossier des versions conservées « %1 » ne peut pas être utilisé (%2) ni être mis de côté ; les modifications ne sont plus conservées comme versions tant qu'il n'est pas supprimé.</translation>
    </message>
    <message>
        <source>The folder of kept versions could not be used (%1). It was moved to "%2", and versions are kept anew from now on.</source>
        <translation>Le dossier des versions conservées n'a pas pu être utilisé (%1). Il a été déplacé vers « %2 », et les versions sont de nouveau conservées à partir de maintenant.</translation>
    </message>
    <message>
        <source>its entry "%1" cannot be read</source>
        <translation>son entrée « %1 » ne peut pas être lue</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>%1 investment and no data records</source>
        <translation>%1 placement et aucun enregistrement</translation>
    </message>
    <message>
        <source>%1 investments and no data records</source>
        <translation>%1 placements et aucun enregistrement</translation>
    </message>
    <message>
        <source>%1 investments and %2 data records, the newest dated %3</source>
        <extracomment>%1 and %2 are counts, %3 a date</extracomment>
        <translation>%1 placements et %2 enregistrements, le plus récent daté du %3</translation>
    </message>
    <message>
        <source>%1 investment and %2 data record, the newest dated %3</source>
        <translation>%1 placement et %2 enregistrement, le plus récent daté du %3</translation>
    </message>
    <message>
        <source>%1 investment and %2 data records, the newest dated %3</source>
        <translation>%1 placement et %2 enregistrements, le plus récent daté du %3</translation>
    </message>
    <message>
        <source>%1 investments and %2 data record, the newest dated %3</source>
        <translation>%1 placements et %2 enregistrement, le plus récent daté du %3</translation>
    </message>
    <message>
        <source>Choose the Folder of the Backup</source>
        <translation>Choisir le dossier de la sauvegarde</translation>
    </message>
    <message>
        <source>"%1" is the data folder Plumbline 3.5 works with, not a backup.<byte value="xd" />
Choose the folder your backup copies are in.</source>
        <translation>« %1 » est le dossier de données qu'utilise Plumbline 3.5, pas une sauvegarde.
Choisissez le dossier où se trouvent vos copies de sauvegarde.</translation>
    </message>
    <message>
        <source>The backup in "%1" cannot be restored:<byte value="xd" />
%2<byte value="xd" />
Your data files are unchanged.</source>
        <translation>La sauvegarde de « %1 » ne peut pas être restaurée :
%2
Vos fichiers de données n'ont pas été modifiés.</translation>
    </message>
    <message>
        <source>The backup in "%1" holds %2.<byte value="xd" />
Make it your data? Your data as it is now is kept: Edit, Undo brings it back.</source>
        <translation>La sauvegarde de « %1 » contient %2.
En faire vos données ? Vos données actuelles sont conservées : Édition, Annuler les ramène.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 could not check the earlier versions of your data it keeps:<byte value="xd" />
%1<byte value="xd" />
Your data files are unchanged. Undo may not be offered until this is put right.</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Plumbline 3.5 n'a pas pu vérifier les versions antérieures de vos données qu'il conserve :
%1
Vos fichiers de données n'ont pas été modifiés. L'annulation peut ne pas être proposée tant que ce problème n'est pas réglé.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <extracomment>%1 is the change, as "Delete Investment 'Savings'"</extracomment>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>%1 is the change, as "Delete Investment 'Savings'"</extracomment>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>Restore Earlier &amp;Version…</source>
        <translation>Restaurer une &amp;version antérieure…</translation>
    </message>
    <message>
        <source>Restore from Bac&amp;kup…</source>
        <translation>Restaurer une sau&amp;vegarde…</translation>
    </message>
    <message>
        <source>The records are not saved in the data folder; choose another folder.</source>
        <translation>Les enregistrements ne sont pas enregistrés dans le dossier de données ; choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>%1 (line %2 of the version's data records)</source>
        <extracomment>%1 is the reason, %2 a line number</extracomment>
        <translation>%1 (ligne %2 des enregistrements de la version)</translation>
    </message>
</context>
<context>
    <name>frmBackupFiles</name>
    <message>
        <source>Copy the two data files to another folder</source>
        <translation>Copier les deux fichiers de données dans un autre dossier</translation>
    </message>
    <message>
        <source>Which of the data files is being copied</source>
        <translation>Quel fichier de données est en cours de copie</translation>
    </message>
    <message>
        <source>Caption of the file being copied</source>
        <translation>Légende du fichier en cours de copie</translation>
    </message>
    <message>
        <source>File being copied</source>
        <translation>Fichier en cours de copie</translation>
    </message>
    <message>
        <source>The data file that is copied</source>
        <translation>Le fichier de données copié</translation>
    </message>
    <message>
        <source>Caption of the backup folder</source>
        <translation>Légende du dossier de sauvegarde</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Dossier de sauvegarde</translation>
    </message>
    <message>
        <source>Folder the copy is written to</source>
        <translation>Dossier dans lequel la copie est écrite</translation>
    </message>
    <message>
        <source>Backup file name</source>
        <translation>Nom du fichier de sauvegarde</translation>
    </message>
    <message>
        <source>Name of the copy in the backup folder</source>
        <translation>Nom de la copie dans le dossier de sauvegarde</translation>
    </message>
    <message>
        <source>Copy the file to the backup folder</source>
        <translation>Copier le fichier dans le dossier de sauvegarde</translation>
    </message>
    <message>
        <source>Close the backup window</source>
        <translation>Fermer la fenêtre de sauvegarde</translation>
    </message>
    <message>
        <source>Backup Data Files</source>
        <translation>Sauvegarde des fichiers de données</translation>
    </message>
    <message>
        <source>Copying:</source>
        <translation>Copie de :</translation>
    </message>
    <message>
        <source>In (Path):</source>
        <translation>Dans (chemin) :</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>The Investment Information file</source>
        <translation>Le fichier des informations sur les placements</translation>
    </message>
    <message>
        <source>There is no disk in the drive.<byte value="xd" />
Please insert one and try again</source>
        <translation>Il n'y a pas de disque dans le lecteur.
Veuillez en insérer un et réessayer</translation>
    </message>
    <message>
        <source>The folder "%1" does not exist.<byte value="xd" />
Please type the path of an existing folder and try again.</source>
        <extracomment>%1 is the folder path the user typed</extracomment>
        <translation>Le dossier « %1 » n'existe pas.
Veuillez taper le chemin d'un dossier existant et réessayer.</translation>
    </message>
    <message>
        <source>The backup copy cannot be written over the program's own data file.<byte value="xd" />
Please choose another folder.</source>
        <translation>La copie de sauvegarde ne peut pas remplacer le fichier de données du programme.
Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>The folder "%1" is the program's own data folder; the backup copies cannot go there.<byte value="xd" />
Please choose another folder.</source>
        <translation>Le dossier « %1 » est le dossier de données du programme ; les copies de sauvegarde ne peuvent pas y aller.
Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>The Investment Data file</source>
        <translation>Le fichier des données des placements</translation>
    </message>
</context>
<context>
    <name>frmEnterPassword</name>
    <message>
        <source>The program asks for its password</source>
        <translation>Le programme demande son mot de passe</translation>
    </message>
    <message>
        <source>What to type in the box</source>
        <translation>Ce qu'il faut taper dans la zone</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>The password of the program</source>
        <translation>Le mot de passe du programme</translation>
    </message>
    <message>
        <source>Check the password and open the program</source>
        <translation>Vérifier le mot de passe et ouvrir le programme</translation>
    </message>
    <message>
        <source>Empty the password box</source>
        <translation>Vider la zone du mot de passe</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Fermer le programme</translation>
    </message>
    <message>
        <source>Please Enter Your Password</source>
        <translation>Veuillez saisir votre mot de passe</translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>You have not entered a password. Please do so.</source>
        <translation>Vous n'avez pas saisi de mot de passe. Veuillez le faire.</translation>
    </message>
    <message>
        <source>No Entry</source>
        <translation>Aucune saisie</translation>
    </message>
    <message>
        <source>Sorry, the password you've entered is incorrect.</source>
        <translation>Désolé, le mot de passe saisi est incorrect.</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Veuillez réessayer.</translation>
    </message>
</context>
<context>
    <name>frmInstructions</name>
    <message>
        <source>How to use the program</source>
        <translation>Comment utiliser le programme</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Mode d'emploi</translation>
    </message>
    <message>
        <source>The instructions; read them with the arrow keys</source>
        <translation>Le mode d'emploi ; lisez-le avec les touches fléchées</translation>
    </message>
    <message>
        <source>Close the instructions</source>
        <translation>Fermer le mode d'emploi</translation>
    </message>
    <message>
        <source>Files containing the Investment records and the Data records are kept in the program folder, C:\Program Files\Plumbline 3.5. They must stay there: if they are moved or renamed, Plumbline does not find them and starts again with new, empty files. To keep a copy of your data in a safe place, choose Backup Data Files from the File menu. The dialog first offers the main file, PlumblineData, to be copied to drive A unless you type another path; click Save to copy it, then Exit,
and the form changes to offer the file that holds all the Data records, PlDataHist.txt (the Data records of all your investments are kept together in this one text file). Again you may change the path; click Save, then Exit to leave the dialog.</source>
        <translation>Les fichiers contenant les placements et les enregistrements sont conservés dans le dossier du programme, C:\Program Files\Plumbline 3.5. Ils doivent y rester : s'ils sont déplacés ou renommés, Plumbline ne les trouve plus et repart avec de nouveaux fichiers vides. Pour conserver une copie de vos données en lieu sûr, choisissez Sauvegarde des fichiers de données dans le menu Fichier. La fenêtre propose d'abord de copier le fichier principal, PlumblineData, sur le lecteur A, sauf si vous tapez un autre chemin ; cliquez sur Enregistrer pour le copier, puis sur Quitter,
et la fenêtre propose alors le fichier qui contient tous les enregistrements, PlDataHist.txt (les enregistrements de tous vos placements sont conservés ensemble dans ce seul fichier texte). Là encore, vous pouvez changer le chemin ; cliquez sur Enregistrer, puis sur Quitter pour fermer la fenêtre.</translation>
    </message>
    <message>
        <source>Files containing the Investment records and the Data records are kept in the program's data folder, %1. They must stay there: if they are moved or renamed, Plumbline does not find them and starts again with new, empty files. To keep a copy of your data in a safe place, choose Backup Data Files from the File menu. The dialog first offers the main file, PlumblineData, to be copied to your home folder unless you type another path; click Save to copy it, then Exit,
and the form changes to offer the file that holds all the Data records, PlDataHist.txt (the Data records of all your investments are kept together in this one text file). Again you may change the path; click Save, then Exit to leave the dialog.</source>
        <extracomment>%1 is the path of the program's data folder</extracomment>
        <translation>Les fichiers contenant les placements et les enregistrements sont conservés dans le dossier de données du programme, %1. Ils doivent y rester : s'ils sont déplacés ou renommés, Plumbline ne les trouve plus et repart avec de nouveaux fichiers vides. Pour conserver une copie de vos données en lieu sûr, choisissez Sauvegarde des fichiers de données dans le menu Fichier. La fenêtre propose d'abord de copier le fichier principal, PlumblineData, dans votre dossier personnel, sauf si vous tapez un autre chemin ; cliquez sur Enregistrer pour le copier, puis sur Quitter,
et la fenêtre propose alors le fichier qui contient tous les enregistrements, PlDataHist.txt (les enregistrements de tous vos placements sont conservés ensemble dans ce seul fichier texte). Là encore, vous pouvez changer le chemin ; cliquez sur Enregistrer, puis sur Quitter pour fermer la fenêtre.</translation>
    </message>
    <message>
        <source>PLUMBLINE 3.5  INSTRUCTIONS</source>
        <translation>MODE D'EMPLOI DE PLUMBLINE 3.5</translation>
    </message>
    <message>
        <source>Welcome to Plumbline 3.5. Before you enter any data, decide whether the program should be protected by a password. Choose Password from the File menu: there you can set a password that will be asked for every time Plumbline starts, change the password you already have, or tick No Password to turn the protection off.</source>
        <translation>Bienvenue dans Plumbline 3.5. Avant de saisir des données, décidez si le programme doit être protégé par un mot de passe. Choisissez Mot de passe dans le menu Fichier : vous pouvez y définir un mot de passe qui sera demandé à chaque démarrage de Plumbline, changer le mot de passe que vous avez déjà, ou cocher Pas de mot de passe pour désactiver la protection.</translation>
    </message>
    <message>
        <source>The Plumbline 3.5 main form is divided into two main areas. Your investment records are shown, one at a time, in the yellow boxes at the top of the form, and the numeric records that belong to the investment shown are listed in the Data Grid below them. To create your first investment record, click the 'Add New' button in the top group of buttons.</source>
        <translation>La fenêtre principale de Plumbline 3.5 est divisée en deux grandes zones. Vos placements sont affichés un par un dans les zones jaunes en haut de la fenêtre, et les enregistrements chiffrés du placement affiché sont listés dans la grille de données en dessous. Pour créer votre premier placement, cliquez sur le bouton « Nouveau » du groupe de boutons du haut.</translation>
    </message>
    <message>
        <source>The Investment entry form will appear, ready for you to type in the TYPE OF INVESTMENT: for example a mutual fund, a stock, a bond, a CD or a savings account. This is the one box that must be filled in; if you click Done while it is empty, Plumbline asks you to make an entry.</source>
        <translation>La fenêtre du placement apparaît, prête pour que vous tapiez le TYPE DE PLACEMENT : par exemple un fonds commun de placement, une action, une obligation, un dépôt à terme ou un compte d'épargne. C'est la seule zone à remplir obligatoirement ; si vous cliquez sur Terminé alors qu'elle est vide, Plumbline vous demande de faire une saisie.</translation>
    </message>
    <message>
        <source>Tab over to the INSTITUTION box and type the name of the bank, broker or fund company that holds the investment. This box is optional and may be left empty. Click Done or press the Enter key to save the record; you are taken back to the main form, which now shows your new investment at the top.</source>
        <translation>Passez avec Tab à la zone ÉTABLISSEMENT et tapez le nom de la banque, du courtier ou de la société de gestion qui détient le placement. Cette zone est facultative et peut rester vide. Cliquez sur Terminé ou appuyez sur Entrée pour enregistrer le placement ; vous revenez à la fenêtre principale, qui affiche maintenant votre nouveau placement en haut.</translation>
    </message>
    <message>
        <source>Now go down to the buttons on the bottom of the form and click 'Add New' to create the first Data record of this investment. In the DATE box type the date of the record, or just press the Tab key and today's date is entered for you. In the ORIGINAL AMOUNT box type the amount you invested. Never type commas into any of the amount boxes: the commas are inserted automatically. Leave the INFLATION RATE box empty in this first record. In the CURRENT AMOUNT box type what the investment is worth now; for a new investment you may simply copy the original amount into it. Every box except the inflation rate must be filled in.</source>
        <translation>Descendez maintenant aux boutons du bas de la fenêtre et cliquez sur « Ajouter » pour créer le premier enregistrement de ce placement. Dans la zone DATE, tapez la date de l'enregistrement, ou appuyez simplement sur Tab et la date du jour est saisie pour vous. Dans la zone MONTANT D'ORIGINE, tapez le montant que vous avez placé. Ne tapez jamais de séparateur de milliers dans les zones de montant : ils sont insérés automatiquement. Laissez vide la zone TAUX D'INFLATION dans ce premier enregistrement. Dans la zone MONTANT ACTUEL, tapez ce que vaut le placement aujourd'hui ; pour un nouveau placement, vous pouvez simplement y recopier le montant d'origine. Toutes les zones sauf le taux d'inflation doivent être remplies.</translation>
    </message>
    <message>
        <source>This is the way we suggest you start Plumbline with every investment. The first record is the starting point: there is no earlier record and so no interval yet for an inflation rate to cover, which is why none is entered. Click Done to save the record and return to the main form.</source>
        <translation>C'est ainsi que nous vous conseillons de commencer chaque placement dans Plumbline. Le premier enregistrement est le point de départ : il n'y a pas d'enregistrement antérieur, donc pas encore de période que couvrirait un taux d'inflation, c'est pourquoi on n'en saisit aucun. Cliquez sur Terminé pour enregistrer et revenir à la fenêtre principale.</translation>
    </message>
    <message>
        <source>It is in the Data Grid where you can see the figures Plumbline works out for each record. In the first record every figure beyond the values you entered is zero, as there is nothing yet to compare with. When you add later records, each with a new current amount and the inflation rate for the interval since the record before, the grid shows how the investment has done, including the figures adjusted for inflation (AFI). If prices fell during an interval, enter the deflation rate as a negative number.</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>C'est dans la grille de données que vous voyez les chiffres que Plumbline calcule pour chaque enregistrement. Dans le premier enregistrement, tous les chiffres autres que les valeurs saisies sont à zéro, car il n'y a encore rien à comparer. Quand vous ajoutez des enregistrements, chacun avec un nouveau montant actuel et le taux d'inflation de la période écoulée depuis l'enregistrement précédent, la grille montre comment le placement s'est comporté, y compris les chiffres corrigés de l'inflation (c. infl.). Si les prix ont baissé pendant une période, saisissez le taux de déflation comme un nombre négatif.</translation>
    </message>
    <message>
        <source>When creating new records for an investment, it is best to make them at regular intervals, such as once a year, once a quarter or once a month, so that each record covers a period for which an inflation rate is published. Such rates are published by the government's statistics office (in the United States the Bureau of Labor Statistics, with its Consumer Price Index) and can be found in newspapers, in libraries and on the Internet.</source>
        <translation>Quand vous créez de nouveaux enregistrements pour un placement, mieux vaut le faire à intervalles réguliers, une fois par an, par trimestre ou par mois par exemple, afin que chaque enregistrement couvre une période pour laquelle un taux d'inflation est publié. Ces taux sont publiés par l'office statistique de l'État (en France l'Insee, avec son indice des prix à la consommation ; aux États-Unis le Bureau of Labor Statistics, avec son Consumer Price Index) et se trouvent dans la presse, en bibliothèque et sur Internet.</translation>
    </message>
    <message>
        <source>If you've had an investment for several years, you can enter its history one year at a time. For each following year type the date one year after the previous record, leave the original amount as it was unless you added money to the investment or took some out, type the new current amount, and type the inflation rate for that interval. We recommend intervals that run from January to January.</source>
        <translation>Si vous détenez un placement depuis plusieurs années, vous pouvez saisir son historique année par année. Pour chaque année suivante, tapez la date un an après l'enregistrement précédent, laissez le montant d'origine tel quel sauf si vous avez versé ou retiré de l'argent, tapez le nouveau montant actuel, puis le taux d'inflation de cette période. Nous recommandons des périodes allant de janvier à janvier.</translation>
    </message>
    <message>
        <source>Notice that the INC/DEC number shows how much the current amount has gone up or down since the previous record; a decrease is shown in brackets. PROFIT/LOSS is the difference between the current amount and the original amount. INFLATION RATE is the rate you entered for the interval, and LOSS TO INFLATION is the part of the investment's value that inflation took away during that interval; when there was deflation it is negative, which means a gain.</source>
        <extracomment>INC/DEC = increase/decrease; the words in capitals are the Data Grid's column headings</extracomment>
        <translation>Remarquez que le chiffre HAUSSE/BAISSE indique de combien le montant actuel a monté ou baissé depuis l'enregistrement précédent ; une baisse est affichée entre parenthèses. GAIN/PERTE est la différence entre le montant actuel et le montant d'origine. TAUX D'INFLATION est le taux que vous avez saisi pour la période, et PERTE DUE À L'INFLATION est la part de la valeur du placement que l'inflation a emportée pendant cette période ; en cas de déflation elle est négative, ce qui signifie un gain.</translation>
    </message>
    <message>
        <source>The next figure, CURRENT AMOUNT AFI, is the current amount adjusted for inflation: what the investment is really worth in the money of the first record, after all the inflation since then. PROFIT/LOSS AFI is the profit or loss counted in those adjusted amounts. A detailed explanation of the calculations is given in a separate explanation document in the program folder: %1.</source>
        <extracomment>AFI = adjusted for inflation; %1 is the path of the explanation document</extracomment>
        <translation>Le chiffre suivant, MONTANT ACTUEL CORRIGÉ DE L'INFLATION, est le montant actuel corrigé de l'inflation : ce que vaut réellement le placement en argent du premier enregistrement, après toute l'inflation survenue depuis. GAIN/PERTE CORRIGÉ(E) DE L'INFLATION est le gain ou la perte compté dans ces montants corrigés. Une explication détaillée des calculs se trouve dans un document séparé du dossier du programme : %1.</translation>
    </message>
    <message>
        <source>You can edit the basic information of an investment with the Edit button in the top group of buttons, and delete the investment with the Delete button beside it. Data records can be edited and deleted too. Take care: deleting an investment record deletes all of its Data records as well.</source>
        <translation>Vous pouvez modifier les informations de base d'un placement avec le bouton Modifier du groupe de boutons du haut, et supprimer le placement avec le bouton Supprimer à côté. Les enregistrements peuvent aussi être modifiés et supprimés. Attention : supprimer un placement supprime aussi tous ses enregistrements.</translation>
    </message>
    <message>
        <source>To edit or delete a Data record, click Edit or Del Rec in the lower group of buttons, then click the box next to them; it takes the focus and turns blue. Pick the number of the record you want from the list that drops down.</source>
        <translation>Pour modifier ou supprimer un enregistrement, cliquez sur Modifier ou Suppr. enr. dans le groupe de boutons du bas, puis cliquez sur la zone à côté ; elle prend le focus et devient bleue. Choisissez le numéro de l'enregistrement voulu dans la liste déroulante.</translation>
    </message>
    <message>
        <source>You can insert a new record within a group of Data records. Click Ins New, then choose from the drop-down list the record after which the new one is to come, and fill in the form as for any new record.</source>
        <translation>Vous pouvez insérer un nouvel enregistrement au milieu des enregistrements. Cliquez sur Insérer, choisissez dans la liste déroulante l'enregistrement après lequel le nouveau doit venir, puis remplissez la fenêtre comme pour tout nouvel enregistrement.</translation>
    </message>
    <message>
        <source>You can also get a printout of your figures. Print prints one page of the Data Grid at a time, the page that is on the screen. When an investment has more records than fit on one page, PREVIOUS and NEXT page links appear to the right of the page number; move to the page you want and click Print again.</source>
        <translation>Vous pouvez aussi imprimer vos chiffres. Imprimer imprime une page de la grille de données à la fois, celle qui est à l'écran. Quand un placement a plus d'enregistrements que n'en contient une page, des liens de page PRÉCÉDENTE et SUIVANTE apparaissent à droite du numéro de page ; allez à la page voulue et cliquez de nouveau sur Imprimer.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 Instructions</source>
        <translation>Mode d'emploi de Plumbline 3.5</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>frmInvestData</name>
    <message>
        <source>Investments and their data records with the figures computed against inflation</source>
        <translation>Les placements et leurs enregistrements, avec les chiffres calculés face à l'inflation</translation>
    </message>
    <message>
        <source>Caption of the investment record number</source>
        <translation>Légende du numéro de placement</translation>
    </message>
    <message>
        <source>Number of the investment shown</source>
        <translation>Numéro du placement affiché</translation>
    </message>
    <message>
        <source>Type of investment</source>
        <translation>Type de placement</translation>
    </message>
    <message>
        <source>Type of the investment shown; select it and use Edit, Copy to copy it</source>
        <translation>Type du placement affiché ; sélectionnez-le et utilisez Édition, Copier pour le copier</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Établissement</translation>
    </message>
    <message>
        <source>Institution that holds the investment shown; select it and use Edit, Copy to copy it</source>
        <translation>Établissement qui détient le placement affiché ; sélectionnez-le et utilisez Édition, Copier pour le copier</translation>
    </message>
    <message>
        <source>Show the first investment</source>
        <translation>Afficher le premier placement</translation>
    </message>
    <message>
        <source>Previous investment</source>
        <translation>Placement précédent</translation>
    </message>
    <message>
        <source>Show the investment before this one</source>
        <translation>Afficher le placement avant celui-ci</translation>
    </message>
    <message>
        <source>Next investment</source>
        <translation>Placement suivant</translation>
    </message>
    <message>
        <source>Show the investment after this one</source>
        <translation>Afficher le placement après celui-ci</translation>
    </message>
    <message>
        <source>Show the last investment</source>
        <translation>Afficher le dernier placement</translation>
    </message>
    <message>
        <source>Add new investment</source>
        <translation>Ajouter un nouveau placement</translation>
    </message>
    <message>
        <source>Add a new investment record</source>
        <translation>Ajouter un nouveau placement</translation>
    </message>
    <message>
        <source>Edit investment</source>
        <translation>Modifier le placement</translation>
    </message>
    <message>
        <source>Edit the type and institution of the investment shown</source>
        <translation>Modifier le type et l'établissement du placement affiché</translation>
    </message>
    <message>
        <source>Delete investment</source>
        <translation>Supprimer le placement</translation>
    </message>
    <message>
        <source>Delete the investment shown and all of its data records</source>
        <translation>Supprimer le placement affiché et tous ses enregistrements</translation>
    </message>
    <message>
        <source>Column heading: data record number</source>
        <translation>En-tête de colonne : numéro de l'enregistrement</translation>
    </message>
    <message>
        <source>Column heading: date of the data record</source>
        <translation>En-tête de colonne : date de l'enregistrement</translation>
    </message>
    <message>
        <source>Column heading: original amount</source>
        <translation>En-tête de colonne : montant d'origine</translation>
    </message>
    <message>
        <source>Column heading: current amount</source>
        <translation>En-tête de colonne : montant actuel</translation>
    </message>
    <message>
        <source>Column heading: increase or decrease since the previous record</source>
        <translation>En-tête de colonne : hausse ou baisse depuis l'enregistrement précédent</translation>
    </message>
    <message>
        <source>Column heading: profit or loss</source>
        <translation>En-tête de colonne : gain ou perte</translation>
    </message>
    <message>
        <source>Column heading: inflation rate in percent</source>
        <translation>En-tête de colonne : taux d'inflation en pourcentage</translation>
    </message>
    <message>
        <source>Column heading: loss to inflation</source>
        <translation>En-tête de colonne : perte due à l'inflation</translation>
    </message>
    <message>
        <source>Column heading: current amount adjusted for inflation</source>
        <translation>En-tête de colonne : montant actuel corrigé de l'inflation</translation>
    </message>
    <message>
        <source>Column heading: profit or loss adjusted for inflation</source>
        <translation>En-tête de colonne : gain ou perte corrigé(e) de l'inflation</translation>
    </message>
    <message>
        <source>Caption of the page number</source>
        <translation>Légende du numéro de page</translation>
    </message>
    <message>
        <source>Number of the grid page shown</source>
        <translation>Numéro de la page de la grille affichée</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Show the previous twelve data records (Page Up)</source>
        <translation>Afficher les douze enregistrements précédents (Page préc.)</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Show the next twelve data records (Page Down)</source>
        <translation>Afficher les douze enregistrements suivants (Page suiv.)</translation>
    </message>
    <message>
        <source>Add new data record</source>
        <translation>Ajouter un enregistrement</translation>
    </message>
    <message>
        <source>Add a data record at the end of this investment's records</source>
        <translation>Ajouter un enregistrement après les derniers enregistrements de ce placement</translation>
    </message>
    <message>
        <source>Insert data record</source>
        <translation>Insérer un enregistrement</translation>
    </message>
    <message>
        <source>Insert a data record before the one chosen in the record list</source>
        <translation>Insérer un enregistrement avant celui choisi dans la liste des enregistrements</translation>
    </message>
    <message>
        <source>Delete data record</source>
        <translation>Supprimer l'enregistrement</translation>
    </message>
    <message>
        <source>Delete the data record chosen in the record list</source>
        <translation>Supprimer l'enregistrement choisi dans la liste des enregistrements</translation>
    </message>
    <message>
        <source>Data record number</source>
        <translation>Numéro d'enregistrement</translation>
    </message>
    <message>
        <source>Choose the data record to edit, insert before or delete</source>
        <translation>Choisir l'enregistrement à modifier, avant lequel insérer ou à supprimer</translation>
    </message>
    <message>
        <source>Edit data record</source>
        <translation>Modifier l'enregistrement</translation>
    </message>
    <message>
        <source>Edit the data record chosen in the record list</source>
        <translation>Modifier l'enregistrement choisi dans la liste des enregistrements</translation>
    </message>
    <message>
        <source>Print the page of the grid that is on screen</source>
        <translation>Imprimer la page de la grille qui est à l'écran</translation>
    </message>
    <message>
        <source>Close the data files and end the program (Ctrl+Q)</source>
        <translation>Fermer les fichiers de données et quitter le programme (Ctrl+Q)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Backup, password and exit</source>
        <translation>Sauvegarde, mot de passe et sortie</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Copy the type or institution of the investment</source>
        <translation>Copier le type ou l'établissement du placement</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Instructions (F1)</source>
        <translation>Mode d'emploi (F1)</translation>
    </message>
    <message>
        <source>Data Rec</source>
        <extracomment>Data Rec = data record number</extracomment>
        <translation>N° enr.</translation>
    </message>
    <message>
        <source>Number of the data record within its investment</source>
        <translation>Numéro de l'enregistrement dans son placement</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Grid heading: the data record's date</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Date of the data record</source>
        <translation>Date de l'enregistrement</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Montant d'origine</translation>
    </message>
    <message>
        <source>Amount originally invested</source>
        <translation>Montant placé à l'origine</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Montant actuel</translation>
    </message>
    <message>
        <source>Current amount on this date</source>
        <translation>Montant actuel à cette date</translation>
    </message>
    <message>
        <source>Inc/Dec</source>
        <extracomment>Inc/Dec = increase or decrease
----------
Grid heading: increase or decrease since the previous record</extracomment>
        <translation>Hausse/baisse</translation>
    </message>
    <message>
        <source>Increase or decrease since the previous record</source>
        <translation>Hausse ou baisse depuis l'enregistrement précédent</translation>
    </message>
    <message>
        <source>Profit/Loss</source>
        <extracomment>Grid heading: profit or loss</extracomment>
        <translation>Gain/perte</translation>
    </message>
    <message>
        <source>Current amount less original amount</source>
        <translation>Montant actuel moins montant d'origine</translation>
    </message>
    <message>
        <source>Inflation Rate (%)</source>
        <translation>Taux d'inflation (%)</translation>
    </message>
    <message>
        <source>Inflation rate in percent since the previous record</source>
        <translation>Taux d'inflation en pourcentage depuis l'enregistrement précédent</translation>
    </message>
    <message>
        <source>Loss To Inflation</source>
        <translation>Perte due à l'inflation</translation>
    </message>
    <message>
        <source>What inflation took from the amount since the previous record</source>
        <translation>Ce que l'inflation a pris au montant depuis l'enregistrement précédent</translation>
    </message>
    <message>
        <source>Current Amount AFI</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Montant actuel c. infl.</translation>
    </message>
    <message>
        <source>Current amount adjusted for inflation</source>
        <translation>Montant actuel corrigé de l'inflation</translation>
    </message>
    <message>
        <source>Profit/Loss AFI</source>
        <extracomment>AFI = adjusted for inflation
----------
Grid heading; AFI = adjusted for inflation</extracomment>
        <translation>Gain/perte c. infl.</translation>
    </message>
    <message>
        <source>Profit or loss adjusted for inflation</source>
        <translation>Gain ou perte corrigé(e) de l'inflation</translation>
    </message>
    <message>
        <source>&amp;Import Price Index…</source>
        <translation>&amp;Importer un indice des prix…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Price &amp;Index…</source>
        <translation>&amp;Indice des prix…</translation>
    </message>
    <message>
        <source>About Plumbline…</source>
        <translation>À propos de Plumbline…</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete this record?<byte value="xd" />
If you delete it, all the corresponding records<byte value="xd" />
In it's data file will be<byte value="xd" />
deleted too.</source>
        <translation>Voulez-vous vraiment supprimer ce placement ?
Si vous le supprimez, tous les enregistrements
correspondants de son fichier de données seront
supprimés aussi.</translation>
    </message>
    <message>
        <source>There is no disk in the drive.<byte value="xd" />
Please insert one and try again</source>
        <translation>Il n'y a pas de disque dans le lecteur.
Veuillez en insérer un et réessayer</translation>
    </message>
    <message>
        <source>The investment delete could not be completed. Plumbline 3.5 completes it when it starts next time, and ends now.</source>
        <translation>La suppression du placement n'a pas pu être achevée. Plumbline 3.5 l'achèvera à son prochain démarrage et se ferme maintenant.</translation>
    </message>
    <message>
        <source>The data record's values could not be read.</source>
        <translation>Les valeurs de l'enregistrement n'ont pas pu être lues.</translation>
    </message>
    <message>
        <source>Investment Record #:</source>
        <translation>Placement n° :</translation>
    </message>
    <message>
        <source>&amp;First</source>
        <extracomment>The buttons of the top row go through the investments; "&amp;" marks the access key</extracomment>
        <translation>&amp;Premier</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>Pré&amp;cédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Last</source>
        <translation>&amp;Dernier</translation>
    </message>
    <message>
        <source>Add &amp;New</source>
        <extracomment>Adds a new investment (the data records' button below is "&amp;Add New")</extracomment>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Edi&amp;t</source>
        <extracomment>Edits the investment shown</extracomment>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>Deletes the investment shown with its data records</extracomment>
        <translation>S&amp;upprimer</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>Caption before the number of the grid page shown</extracomment>
        <translation>Page</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Link to the grid's previous page</extracomment>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Link to the grid's next page</extracomment>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <extracomment>Adds a data record at the end of the investment's data</extracomment>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Ins New</source>
        <extracomment>Short for "Insert New": inserts a data record after the one chosen</extracomment>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>Del &amp;Rec</source>
        <extracomment>Short for "Delete Record": deletes the data record chosen</extracomment>
        <translation>Suppr. &amp;enr.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>Edits the data record chosen</extracomment>
        <translation>M&amp;odifier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Imp&amp;rimer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Data</source>
        <extracomment>Grid heading, top line over "Rec" (the data record's number)</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Rec</source>
        <extracomment>Grid heading: the data record's number (abbreviation of "Record"), under "Data"</extracomment>
        <translation>enr.</translation>
    </message>
    <message>
        <source>Original</source>
        <extracomment>Grid heading, top line of "Original Amount"</extracomment>
        <translation>Initial</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>Grid heading, bottom line of "Original Amount" and of "Current Amount"</extracomment>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Current</source>
        <extracomment>Grid heading, top line of "Current Amount" and of "Current Amount AFI"</extracomment>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Inflation</source>
        <extracomment>Grid heading, top line of "Inflation Rate (%)" and bottom line of "Loss To Inflation"</extracomment>
        <translation>Inflation</translation>
    </message>
    <message>
        <source>Rate (%)</source>
        <extracomment>Grid heading, bottom line of "Inflation Rate (%)"</extracomment>
        <translation>Taux (%)</translation>
    </message>
    <message>
        <source>Loss To</source>
        <extracomment>Grid heading, top line of "Loss To Inflation"</extracomment>
        <translation>Perte</translation>
    </message>
    <message>
        <source>Amount AFI</source>
        <extracomment>Grid heading, bottom line of "Current Amount AFI"; AFI = adjusted for inflation</extracomment>
        <translation>Mont. c. infl.</translation>
    </message>
    <message>
        <source>The data folder "%1" cannot be created.<byte value="xd" />
Plumbline 3.5 cannot run without it and ends now.</source>
        <extracomment>%1 is the data folder's path</extracomment>
        <translation>Le dossier de données « %1 » ne peut pas être créé.
Plumbline 3.5 ne peut pas fonctionner sans lui et se ferme maintenant.</translation>
    </message>
    <message>
        <source>The investment file "%1" in the data folder "%2" cannot be opened:<byte value="xd" />
%3<byte value="xd" />
Plumbline 3.5 cannot run without it and ends now.</source>
        <extracomment>%1 is the investment file's name, %2 the data folder's path, %3 the error's description</extracomment>
        <translation>Le fichier des placements « %1 » du dossier de données « %2 » ne peut pas être ouvert :
%3
Plumbline 3.5 ne peut pas fonctionner sans lui et se ferme maintenant.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 is already running and using the data folder "%1".<byte value="xd" />
Only one copy of the program can use it at a time; this copy ends now.</source>
        <extracomment>%1 is the data folder's path</extracomment>
        <translation>Plumbline 3.5 est déjà en cours d'exécution et utilise le dossier de données « %1 ».
Une seule copie du programme peut l'utiliser à la fois ; cette copie se ferme maintenant.</translation>
    </message>
    <message>
        <source>The data folder "%1" cannot be used: "%2" there is a folder, where Plumbline 3.5 keeps the file that shows it is running.<byte value="xd" />
Move or rename that folder. Plumbline 3.5 ends now.</source>
        <extracomment>%1 is the data folder's path, %2 the lock file's name</extracomment>
        <translation>Le dossier de données « %1 » ne peut pas être utilisé : « %2 » y est un dossier, là où Plumbline 3.5 conserve le fichier qui montre qu'il est en cours d'exécution.
Déplacez ou renommez ce dossier. Plumbline 3.5 se ferme maintenant.</translation>
    </message>
    <message>
        <source>The data folder "%1" cannot be used: the lock file "%2" cannot be written there.<byte value="xd" />
Plumbline 3.5 cannot run without it and ends now.</source>
        <extracomment>%1 is the data folder's path, %2 the lock file's name</extracomment>
        <translation>Le dossier de données « %1 » ne peut pas être utilisé : le fichier de verrou « %2 » ne peut pas y être écrit.
Plumbline 3.5 ne peut pas fonctionner sans lui et se ferme maintenant.</translation>
    </message>
    <message>
        <source>Investment Data History information cannot be displayed<byte value="xd" />
because the Data History file doesn't exist yet.<byte value="xd" />
(No information has been entered.)</source>
        <translation>L'historique des données des placements ne peut pas être affiché
car le fichier d'historique n'existe pas encore.
(Aucune information n'a été saisie.)</translation>
    </message>
    <message>
        <source>Sorry, you can't edit or create a new record from the data grid. If you want to edit a record,<byte value="xd" />
click on 'Edit' and choose the record you want to change from the drop down box<byte value="xd" />
next to it. If you want to create a new record, click on 'Add New'.</source>
        <translation>Désolé, vous ne pouvez pas modifier ou créer un enregistrement depuis la grille de données. Pour modifier un enregistrement,
cliquez sur « Modifier » et choisissez l'enregistrement à changer dans la liste déroulante
à côté. Pour créer un enregistrement, cliquez sur « Ajouter ».</translation>
    </message>
    <message>
        <source>Plumbline 3.5 was interrupted while it changed its data files, and what it left in the data folder "%1" cannot be set aside:<byte value="xd" />
%2<byte value="xd" />
Nothing was deleted. Plumbline 3.5 ends now.</source>
        <extracomment>%1 is the data folder's path, %2 the error's description</extracomment>
        <translation>Plumbline 3.5 a été interrompu pendant qu'il modifiait ses fichiers de données, et ce qu'il a laissé dans le dossier de données « %1 » ne peut pas être mis de côté :
%2
Rien n'a été supprimé. Plumbline 3.5 se ferme maintenant.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes): %3</source>
        <extracomment>One file set aside: %1 its name, %2 its size in bytes, %3 what it holds</extracomment>
        <translation>%1 (%2 octets) : %3</translation>
    </message>
    <message>
        <source>Plumbline 3.5 was interrupted while it changed its data files, and the files it left may hold data that "%1" and "%2" do not.</source>
        <extracomment>%1 and %2 are the names of the two data files</extracomment>
        <translation>Plumbline 3.5 a été interrompu pendant qu'il modifiait ses fichiers de données, et les fichiers qu'il a laissés peuvent contenir des données que « %1 » et « %2 » n'ont pas.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 was interrupted while it deleted an investment.<byte value="xd" />
%1</source>
        <extracomment>%1 is a sentence on what became of the interrupted delete</extracomment>
        <translation>Plumbline 3.5 a été interrompu pendant qu'il supprimait un placement.
%1</translation>
    </message>
    <message>
        <source>Plumbline 3.5 now goes on without data files. To have your data back as it was, restore the data folder from a backup.</source>
        <translation>Plumbline 3.5 continue maintenant sans fichiers de données. Pour retrouver vos données telles qu'elles étaient, restaurez le dossier de données à partir d'une sauvegarde.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 now goes on with the data files as they are.</source>
        <translation>Plumbline 3.5 continue maintenant avec les fichiers de données tels qu'ils sont.</translation>
    </message>
    <message>
        <source>%1<byte value="xd" />
Nothing was deleted: they were moved into the folder "%2":<byte value="xd" />
%3<byte value="xd" />
%4</source>
        <extracomment>%1 is the opening sentence above, %2 the folder's path, %3 the list of files, one a line, %4 the closing sentence</extracomment>
        <translation>%1
Rien n'a été supprimé : ils ont été déplacés dans le dossier « %2 » :
%3
%4</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Backup Data Files</source>
        <translation>&amp;Sauvegarde des fichiers de données</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>&amp;Mot de passe</translation>
    </message>
    <message>
        <source>&amp;Report…</source>
        <translation>&amp;Rapport…</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>Édi&amp;tion</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Chart…</source>
        <translation>&amp;Graphique…</translation>
    </message>
    <message>
        <source>P&amp;ortfolio…</source>
        <translation>&amp;Portefeuille…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Mode d'emploi</translation>
    </message>
    <message>
        <source>Backup Copies</source>
        <translation>Copies de sauvegarde</translation>
    </message>
    <message>
        <source>New Investment Record</source>
        <translation>Nouveau placement</translation>
    </message>
    <message>
        <source>Copy Investment Info</source>
        <extracomment>Tooltip: copies the investment's type and institution</extracomment>
        <translation>Copier les infos du placement</translation>
    </message>
    <message>
        <source>Delete Investment Record</source>
        <translation>Supprimer le placement</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Mode d'emploi</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Portfolio</source>
        <translation>Portefeuille</translation>
    </message>
    <message>
        <source>Print Investment Data History</source>
        <translation>Imprimer l'historique des données du placement</translation>
    </message>
    <message>
        <source>Printout has been canceled</source>
        <translation>L'impression a été annulée</translation>
    </message>
    <message>
        <source>Pg %1</source>
        <extracomment>Printed under the rows: "Pg" = page, %1 the number of the grid page printed</extracomment>
        <translation>p. %1</translation>
    </message>
    <message>
        <source>Investment Record %1:  %2  %3</source>
        <extracomment>Printed title: %1 the investment's number with a blank each side, %2 its type, %3 its institution</extracomment>
        <translation>Placement %1 :  %2  %3</translation>
    </message>
    <message>
        <source>Profit/</source>
        <extracomment>Printed column heading, top line of "Profit/Loss" and of "Profit/Loss AFI"</extracomment>
        <translation>Gain/</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>Printed column heading: the data record's number</extracomment>
        <translation>Enreg.</translation>
    </message>
    <message>
        <source>Loss</source>
        <extracomment>Printed column heading, bottom line of "Profit/Loss"</extracomment>
        <translation>perte</translation>
    </message>
    <message>
        <source>Amnt AFI</source>
        <extracomment>Printed column heading under "Current": amount adjusted for inflation</extracomment>
        <translation>Mt c. infl.</translation>
    </message>
    <message>
        <source>Loss AFI</source>
        <extracomment>Printed column heading under "Profit/": loss adjusted for inflation</extracomment>
        <translation>perte c.infl.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this data record?</source>
        <translation>Voulez-vous vraiment supprimer cet enregistrement ?</translation>
    </message>
    <message>
        <source>You cannot insert a new record after the last one.<byte value="xd" />
Click on 'Add New' to add a new record to the end of the file.</source>
        <translation>Vous ne pouvez pas insérer un nouvel enregistrement après le dernier.
Cliquez sur « Ajouter » pour ajouter un enregistrement à la fin du fichier.</translation>
    </message>
    <message>
        <source>New Record</source>
        <translation>Nouvel enregistrement</translation>
    </message>
    <message>
        <source>There are no data records under this investment to perform operations on.<byte value="xd" />
If you want to create a data record, click on the 'Add New' button under the data grid.</source>
        <translation>Ce placement n'a aucun enregistrement sur lequel travailler.
Pour créer un enregistrement, cliquez sur le bouton « Ajouter » sous la grille de données.</translation>
    </message>
    <message>
        <source>No Data Records</source>
        <translation>Aucun enregistrement</translation>
    </message>
</context>
<context>
    <name>frmInvestEntry</name>
    <message>
        <source>Type and institution of an investment record</source>
        <translation>Type et établissement d'un placement</translation>
    </message>
    <message>
        <source>Caption of the investment record number</source>
        <translation>Légende du numéro de placement</translation>
    </message>
    <message>
        <source>Number of the investment record</source>
        <translation>Numéro du placement</translation>
    </message>
    <message>
        <source>Caption of the type of investment</source>
        <translation>Légende du type de placement</translation>
    </message>
    <message>
        <source>Type of investment</source>
        <translation>Type de placement</translation>
    </message>
    <message>
        <source>Type of the investment, at most 50 characters</source>
        <translation>Type du placement, 50 caractères au plus</translation>
    </message>
    <message>
        <source>Caption of the institution</source>
        <translation>Légende de l'établissement</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Établissement</translation>
    </message>
    <message>
        <source>Institution that holds the investment, at most 50 characters</source>
        <translation>Établissement qui détient le placement, 50 caractères au plus</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Fermer sans enregistrer</translation>
    </message>
    <message>
        <source>Save the investment record and close</source>
        <translation>Enregistrer le placement et fermer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Copy and paste the type or institution</source>
        <translation>Copier et coller le type ou l'établissement</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Rec #</source>
        <extracomment>Record number</extracomment>
        <translation>N° enr.</translation>
    </message>
    <message>
        <source>Type of Investment</source>
        <translation>Type de placement</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Sorry, there is no entry in 'Investment'. You must make an entry.</source>
        <translation>Désolé, il n'y a aucune saisie dans « Placement ». Vous devez faire une saisie.</translation>
    </message>
</context>
<context>
    <name>frmNewEditData</name>
    <message>
        <source>Date, amounts and inflation rate of a data record</source>
        <translation>Date, montants et taux d'inflation d'un enregistrement</translation>
    </message>
    <message>
        <source>Investment record number</source>
        <translation>Numéro de placement</translation>
    </message>
    <message>
        <source>Number of the investment this data record belongs to</source>
        <translation>Numéro du placement auquel appartient cet enregistrement</translation>
    </message>
    <message>
        <source>Type of investment</source>
        <translation>Type de placement</translation>
    </message>
    <message>
        <source>Type of the investment this data record belongs to</source>
        <translation>Type du placement auquel appartient cet enregistrement</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Établissement</translation>
    </message>
    <message>
        <source>Institution of the investment this data record belongs to</source>
        <translation>Établissement du placement auquel appartient cet enregistrement</translation>
    </message>
    <message>
        <source>The values of the data record</source>
        <translation>Les valeurs de l'enregistrement</translation>
    </message>
    <message>
        <source>Caption of the date</source>
        <translation>Légende de la date</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Date of the data record</source>
        <translation>Date de l'enregistrement</translation>
    </message>
    <message>
        <source>Caption of the original amount</source>
        <translation>Légende du montant d'origine</translation>
    </message>
    <message>
        <source>Original amount</source>
        <translation>Montant d'origine</translation>
    </message>
    <message>
        <source>Amount originally invested</source>
        <translation>Montant placé à l'origine</translation>
    </message>
    <message>
        <source>Caption of the inflation rate</source>
        <translation>Légende du taux d'inflation</translation>
    </message>
    <message>
        <source>Inflation rate</source>
        <translation>Taux d'inflation</translation>
    </message>
    <message>
        <source>Inflation rate in percent since the previous record; may stay empty</source>
        <translation>Taux d'inflation en pourcentage depuis l'enregistrement précédent ; peut rester vide</translation>
    </message>
    <message>
        <source>Caption of the current amount</source>
        <translation>Légende du montant actuel</translation>
    </message>
    <message>
        <source>Current amount</source>
        <translation>Montant actuel</translation>
    </message>
    <message>
        <source>Current amount of the investment on this date</source>
        <translation>Montant actuel du placement à cette date</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Fermer sans enregistrer</translation>
    </message>
    <message>
        <source>Save the data record and close</source>
        <translation>Enregistrer l'enregistrement et fermer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Cut, copy and paste in the boxes</source>
        <translation>Couper, copier et coller dans les zones</translation>
    </message>
    <message>
        <source>Suggested inflation rate</source>
        <translation>Taux d'inflation suggéré</translation>
    </message>
    <message>
        <source>The price index's rate since the previous record, or why there is none</source>
        <translation>Le taux de l'indice des prix depuis l'enregistrement précédent, ou la raison de son absence</translation>
    </message>
    <message>
        <source>The suggested rate and the series it comes from</source>
        <translation>Le taux suggéré et la série dont il vient</translation>
    </message>
    <message>
        <source>Finer price index</source>
        <translation>Indice des prix plus fin</translation>
    </message>
    <message>
        <source>Suggest rates from the country's monthly or quarterly price index instead of annual averages</source>
        <translation>Suggérer des taux d'après l'indice des prix mensuel ou trimestriel du pays au lieu des moyennes annuelles</translation>
    </message>
    <message>
        <source>Put the suggested rate into the inflation rate box</source>
        <translation>Mettre le taux suggéré dans la zone du taux d'inflation</translation>
    </message>
    <message>
        <source>No Entry</source>
        <translation>Aucune saisie</translation>
    </message>
    <message>
        <source>Wrong entry. Please enter a date.</source>
        <translation>Saisie incorrecte. Veuillez saisir une date.</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable objet ou variable de bloc With non définie</translation>
    </message>
    <message>
        <source>Data Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Investment Data</source>
        <translation>Données du placement</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Montant d'origine</translation>
    </message>
    <message>
        <source>Infl Rate</source>
        <extracomment>Inflation rate in per cent</extracomment>
        <translation>Taux infl.</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Montant actuel</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Add New Record</source>
        <translation>Ajouter un enregistrement</translation>
    </message>
    <message>
        <source>Edit Record</source>
        <translation>Modifier l'enregistrement</translation>
    </message>
    <message>
        <source>Insert New Record</source>
        <translation>Insérer un enregistrement</translation>
    </message>
    <message>
        <source>There is no entry in 'Original Amount'. Please make an entry if you want to<byte value="xd" />
create a new record.</source>
        <translation>Il n'y a aucune saisie dans « Montant d'origine ». Veuillez faire une saisie si vous voulez
créer un enregistrement.</translation>
    </message>
    <message>
        <source>There is no entry in 'Current Amount'. Please make an entry if you want to<byte value="xd" />
create a new record.</source>
        <translation>Il n'y a aucune saisie dans « Montant actuel ». Veuillez faire une saisie si vous voulez
créer un enregistrement.</translation>
    </message>
    <message>
        <source>Sorry, wrong entry. Enter only numbers or decimal point.</source>
        <translation>Désolé, saisie incorrecte. Tapez uniquement des chiffres ou un séparateur décimal.</translation>
    </message>
    <message>
        <source>Wrong Entry</source>
        <translation>Saisie incorrecte</translation>
    </message>
</context>
<context>
    <name>frmPassword</name>
    <message>
        <source>Choose whether the program asks for a password at start-up</source>
        <translation>Choisir si le programme demande un mot de passe au démarrage</translation>
    </message>
    <message>
        <source>The question this window asks</source>
        <translation>La question que pose cette fenêtre</translation>
    </message>
    <message>
        <source>Check to start the program without a password</source>
        <translation>Cocher pour démarrer le programme sans mot de passe</translation>
    </message>
    <message>
        <source>How to set a password</source>
        <translation>Comment définir un mot de passe</translation>
    </message>
    <message>
        <source>Caption of the password box</source>
        <translation>Légende de la zone du mot de passe</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <source>The new password</source>
        <translation>Le nouveau mot de passe</translation>
    </message>
    <message>
        <source>Caption of the second password box</source>
        <translation>Légende de la seconde zone du mot de passe</translation>
    </message>
    <message>
        <source>Enter password again</source>
        <translation>Saisir de nouveau le mot de passe</translation>
    </message>
    <message>
        <source>The new password once more, to check it</source>
        <translation>Le nouveau mot de passe une seconde fois, pour le vérifier</translation>
    </message>
    <message>
        <source>Save the choice and go on</source>
        <translation>Enregistrer le choix et continuer</translation>
    </message>
    <message>
        <source>Empty both password boxes</source>
        <translation>Vider les deux zones du mot de passe</translation>
    </message>
    <message>
        <source>Leave without a change</source>
        <translation>Quitter sans rien changer</translation>
    </message>
    <message>
        <source>Password?</source>
        <translation>Mot de passe ?</translation>
    </message>
    <message>
        <source>Do you want to make Plumbline  password protected, or change an existing password?</source>
        <translation>Voulez-vous protéger Plumbline par un mot de passe, ou changer un mot de passe existant ?</translation>
    </message>
    <message>
        <source>No Password</source>
        <translation>Pas de mot de passe</translation>
    </message>
    <message>
        <source>If you do, please enter a password below, and re-enter it for validation.</source>
        <translation>Si oui, veuillez saisir un mot de passe ci-dessous, puis le saisir de nouveau pour le confirmer.</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Enter Password Again</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>No entry was made in 'Enter Password'.</source>
        <translation>Aucune saisie dans « Mot de passe ».</translation>
    </message>
    <message>
        <source>Please make an entry.</source>
        <translation>Veuillez faire une saisie.</translation>
    </message>
    <message>
        <source>No entry was made in 'Enter Password Again'.</source>
        <translation>Aucune saisie dans « Confirmer le mot de passe ».</translation>
    </message>
    <message>
        <source>The second entry was not the same as the first.<byte value="xd" />
Please re-enter the second, or both entries.</source>
        <translation>La seconde saisie ne correspond pas à la première.
Veuillez refaire la seconde saisie, ou les deux.</translation>
    </message>
    <message>
        <source>Please write your password down and keep<byte value="xd" />
it in a safe place.</source>
        <translation>Veuillez noter votre mot de passe et le conserver
en lieu sûr.</translation>
    </message>
</context>
<context>
    <name>frmPlSplash</name>
    <message>
        <source>Plumbline 3.5</source>
        <translation>Plumbline 3.5</translation>
    </message>
    <message>
        <source>Plumbline is starting</source>
        <translation>Plumbline démarre</translation>
    </message>
    <message>
        <source>Product, version and maker</source>
        <translation>Produit, version et éditeur</translation>
    </message>
    <message>
        <source>Maker of the program</source>
        <translation>Éditeur du programme</translation>
    </message>
    <message>
        <source>Name of the program</source>
        <translation>Nom du programme</translation>
    </message>
    <message>
        <source>Trademark</source>
        <translation>Marque déposée</translation>
    </message>
    <message>
        <source>Trademark sign</source>
        <translation>Symbole de marque déposée</translation>
    </message>
    <message>
        <source>Platform of the program</source>
        <translation>Plate-forme du programme</translation>
    </message>
    <message>
        <source>Version 3.5</source>
        <translation>Version 3.5</translation>
    </message>
    <message>
        <source>Version of the program</source>
        <translation>Version du programme</translation>
    </message>
    <message>
        <source>Plumbline logo</source>
        <translation>Logo de Plumbline</translation>
    </message>
    <message>
        <source>A plumb line hanging over a declining chart</source>
        <translation>Un fil à plomb suspendu au-dessus d'un graphique en baisse</translation>
    </message>
    <message>
        <source>For Windows</source>
        <translation>Pour Windows</translation>
    </message>
</context>
<context>
    <name>plumbline-export</name>
    <message>
        <source>%1 It is the series chosen under View, Price Index; --series NAME gives another.</source>
        <extracomment>%1 is the reason the price index cannot be read.</extracomment>
        <translation>%1 C'est la série choisie sous Affichage, Indice des prix ; --series NAME en donne une autre.</translation>
    </message>
    <message>
        <source>Writes the figures of every data record of a Plumbline 3.5 data folder to standard output as CSV (comma-separated, header row, CR LF line ends), computed as the program's grid computes them. Nothing in the data folder is ever changed.</source>
        <translation>Écrit les chiffres de chaque enregistrement d'un dossier de données Plumbline 3.5 sur la sortie standard au format CSV (séparé par des virgules, ligne d'en-tête, fins de ligne CR LF), calculés comme les calcule la grille du programme. Rien n'est jamais modifié dans le dossier de données.</translation>
    </message>
    <message>
        <source>Export only investment number &lt;n&gt;.</source>
        <translation>N'exporter que le placement numéro &lt;n&gt;.</translation>
    </message>
    <message>
        <source>Add the column suggested_rate after inflation_rate: the rate the price index gives since the investment's last earlier record with both amounts above 0, the one the calculation compares the record with (empty where it gives none).</source>
        <translation>Ajouter la colonne suggested_rate après inflation_rate : le taux que donne l'indice des prix depuis le dernier enregistrement antérieur du placement ayant les deux montants supérieurs à 0, celui auquel le calcul compare l'enregistrement (vide là où il n'en donne pas).</translation>
    </message>
    <message>
        <source>With --suggest-rates: the price index &lt;name&gt; (default: the series chosen under View, Price Index, else that of the system locale's country, else US-CPI-U).</source>
        <translation>Avec --suggest-rates : l'indice des prix &lt;name&gt; (par défaut : la série choisie sous Affichage, Indice des prix, sinon celle du pays des paramètres régionaux du système, sinon US-CPI-U).</translation>
    </message>
    <message>
        <source>Instead of the records, each investment's returns, nominal and after inflation (time- and money-weighted, cumulative and per year), and a last row for all of them, whose figure after inflation comes from the price index (--series, else the one chosen under View, Price Index).</source>
        <translation>Au lieu des enregistrements, les rendements de chaque placement, nominaux et après inflation (pondérés par le temps et par les capitaux, cumulés et par an), et une dernière ligne pour tous ensemble, dont le chiffre après inflation vient de l'indice des prix (--series, sinon celui choisi sous Affichage, Indice des prix).</translation>
    </message>
    <message>
        <source>--series needs --suggest-rates or --returns</source>
        <translation>--series demande --suggest-rates ou --returns</translation>
    </message>
    <message>
        <source>--returns covers every investment and takes neither --investment nor --suggest-rates</source>
        <translation>--returns couvre tous les placements et n'accepte ni --investment ni --suggest-rates</translation>
    </message>
    <message>
        <source>the figures could not all be written to standard output</source>
        <translation>les chiffres n'ont pas pu être tous écrits sur la sortie standard</translation>
    </message>
</context>
<context>
    <name>plumbline-gendata</name>
    <message>
        <source>usage: plumbline-gendata --out DIR --investments N --records-per-investment M [--seed S] [--edits E]
       plumbline-gendata --out DIR --lines L [--investments N] [--shown K] [--shown-share F]
                         [--seed S] [--edits E]
</source>
        <extracomment>The synopsis: only "usage:" is words; the rest are the program's and its options' names.</extracomment>
        <translation>utilisation : plumbline-gendata --out DIR --investments N --records-per-investment M [--seed S] [--edits E]
              plumbline-gendata --out DIR --lines L [--investments N] [--shown K] [--shown-share F]
                                [--seed S] [--edits E]
</translation>
    </message>
    <message>
        <source>--%1 wants a whole number, not "%2"</source>
        <extracomment>%1 is an option's name, %2 what was given for it.</extracomment>
        <translation>--%1 attend un nombre entier, pas « %2 »</translation>
    </message>
    <message>
        <source>Writes a valid Plumbline 3.5 data folder (PlumblineData and PlDataHist.txt) into DIR, which must not hold them yet, for trying the program and timing it on large data.

</source>
        <translation>Écrit un dossier de données Plumbline 3.5 valide (PlumblineData et PlDataHist.txt) dans DIR, qui ne doit pas encore les contenir, pour essayer le programme et le chronométrer sur de grandes données.

</translation>
    </message>
    <message>
        <source>the folder to write (created if missing)</source>
        <translation>le dossier à écrire (créé s'il manque)</translation>
    </message>
    <message>
        <source>investments (second form: default 100)</source>
        <translation>placements (seconde forme : 100 par défaut)</translation>
    </message>
    <message>
        <source>data records of each investment</source>
        <translation>enregistrements de chaque placement</translation>
    </message>
    <message>
        <source>history lines in all</source>
        <translation>lignes d'historique au total</translation>
    </message>
    <message>
        <source>the investment holding the share F (default 1)</source>
        <translation>le placement qui détient la part F (1 par défaut)</translation>
    </message>
    <message>
        <source>its share of the lines, 0 to 1 (default 0.01)</source>
        <translation>sa part des lignes, de 0 à 1 (0,01 par défaut)</translation>
    </message>
    <message>
        <source>edits that rewrote the file, each putting the edited investment's lines first (default 3, at most N)</source>
        <translation>modifications qui ont réécrit le fichier, chacune plaçant en tête les lignes du placement modifié (3 par défaut, N au plus)</translation>
    </message>
    <message>
        <source>the same seed always gives the same bytes (default 1)</source>
        <translation>la même graine donne toujours les mêmes octets (1 par défaut)</translation>
    </message>
    <message>
        <source>unexpected argument "%1"</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>--shown-share wants a fraction from 0 to 1</source>
        <translation>--shown-share attend une fraction de 0 à 1</translation>
    </message>
    <message>
        <source>--out is required</source>
        <translation>--out est obligatoire</translation>
    </message>
    <message>
        <source>give either --records-per-investment or --lines</source>
        <translation>donnez soit --records-per-investment soit --lines</translation>
    </message>
    <message>
        <source>--shown must name one of the investments</source>
        <translation>--shown doit désigner l'un des placements</translation>
    </message>
    <message>
        <source>give --investments and --records-per-investment, or --lines</source>
        <translation>donnez --investments et --records-per-investment, ou --lines</translation>
    </message>
    <message>
        <source>at most 32767 investments</source>
        <translation>32767 placements au plus</translation>
    </message>
    <message>
        <source>investment %1 would get %2 records; the program counts at most %3 per investment (use more --investments)</source>
        <translation>le placement %1 aurait %2 enregistrements ; le programme en compte %3 au plus par placement (utilisez plus de --investments)</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>%1 already holds %2; give an empty folder</source>
        <extracomment>%1 is a folder, %2 the name of a data file in it.</extracomment>
        <translation>%1 contient déjà %2 ; donnez un dossier vide</translation>
    </message>
    <message>
        <source>%1: %2 investments, %3 history lines (investment %4: %5 lines), %6 edits, seed %7</source>
        <extracomment>%1 is the data folder written; %5 of the history lines belong to investment %4.</extracomment>
        <translation>%1 : %2 placements, %3 lignes d'historique (placement %4 : %5 lignes), %6 modifications, graine %7</translation>
    </message>
</context>
<context>
    <name>plumbline-import</name>
    <message>
        <source>record %1 (%2): rate %3 since %4</source>
        <translation>enregistrement %1 (%2) : taux %3 depuis le %4</translation>
    </message>
    <message>
        <source>record %1 (%2): no rate, %3</source>
        <translation>enregistrement %1 (%2) : pas de taux, %3</translation>
    </message>
    <message>
        <source>Would create investment %1 (%2).</source>
        <extracomment>%1 is the investment's number, %2 its type and institution.</extracomment>
        <translation>Créerait le placement %1 (%2).</translation>
    </message>
    <message>
        <source>Created investment %1 (%2).</source>
        <translation>Placement %1 créé (%2).</translation>
    </message>
    <message>
        <source>Would add %1 record to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <extracomment>%1 records, %2 the investment's number, %3 its type and institution; %4 of the records go after its last one, %5 between its records by their date.</extracomment>
        <translation>Ajouterait %1 enregistrement au placement %2 (%3) : %4 à la fin, %5 intercalés par date.</translation>
    </message>
    <message>
        <source>Would add %1 records to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <translation>Ajouterait %1 enregistrements au placement %2 (%3) : %4 à la fin, %5 intercalés par date.</translation>
    </message>
    <message>
        <source>Added %1 record to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <translation>%1 enregistrement ajouté au placement %2 (%3) : %4 à la fin, %5 intercalés par date.</translation>
    </message>
    <message>
        <source>Added %1 records to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <translation>%1 enregistrements ajoutés au placement %2 (%3) : %4 à la fin, %5 intercalés par date.</translation>
    </message>
    <message>
        <source>%1 row already present, left out.</source>
        <translation>%1 ligne déjà présente, laissée de côté.</translation>
    </message>
    <message>
        <source>%1 rows already present, left out.</source>
        <translation>%1 lignes déjà présentes, laissées de côté.</translation>
    </message>
    <message>
        <source>line %1: %2, %3, %4, rate %5, at the end</source>
        <extracomment>A record to add: %1 its line in the CSV file, %2 its date, %3 and %4 its original and current amount, %5 its inflation rate. %6 is the number of the record the new one goes before.</extracomment>
        <translation>ligne %1 : %2, %3, %4, taux %5, à la fin</translation>
    </message>
    <message>
        <source>line %1: %2, %3, %4, rate %5, before record %6</source>
        <translation>ligne %1 : %2, %3, %4, taux %5, avant l'enregistrement %6</translation>
    </message>
    <message>
        <source>Would fill %1 of %2 missing rates from %3.</source>
        <extracomment>%1 rates filled of %2 missing, %3 the price index's name.</extracomment>
        <translation>Compléterait %1 des %2 taux manquants d'après %3.</translation>
    </message>
    <message>
        <source>Filled %1 of %2 missing rates from %3.</source>
        <translation>%1 des %2 taux manquants complétés d'après %3.</translation>
    </message>
    <message>
        <source>Adds the data records of a CSV file (date, original amount, current amount, optional inflation rate, found by their header) to an investment of a Plumbline 3.5 data folder, and fills missing inflation rates from a price index. All or nothing: a row that cannot be read changes nothing. Exit status: 0 done, 1 refused or failed, 2 wrong command line.</source>
        <translation>Ajoute les enregistrements d'un fichier CSV (date, montant d'origine, montant actuel, taux d'inflation facultatif, repérés par leur en-tête) à un placement d'un dossier de données Plumbline 3.5, et complète les taux d'inflation manquants d'après un indice des prix. Tout ou rien : une ligne illisible ne change rien. Code de sortie : 0 fait, 1 refusé ou échoué, 2 ligne de commande incorrecte.</translation>
    </message>
    <message>
        <source>Change the data folder &lt;dir&gt; instead of the program's own.</source>
        <translation>Modifier le dossier de données &lt;dir&gt; au lieu de celui du programme.</translation>
    </message>
    <message>
        <source>Add to investment number &lt;n&gt;.</source>
        <translation>Ajouter au placement numéro &lt;n&gt;.</translation>
    </message>
    <message>
        <source>Add to a new investment of type &lt;type&gt; (1 to 50 characters).</source>
        <translation>Ajouter à un nouveau placement de type &lt;type&gt; (1 à 50 caractères).</translation>
    </message>
    <message>
        <source>With --new-investment: its institution &lt;name&gt; (at most 50 characters).</source>
        <translation>Avec --new-investment : son établissement &lt;name&gt; (50 caractères au plus).</translation>
    </message>
    <message>
        <source>How dates with slashes read: iso (none accepted), mdy or dmy. Default: decided from the dates, refused when every date reads both ways.</source>
        <translation>Comment lire les dates avec des barres obliques : iso (aucune acceptée), mdy ou dmy. Par défaut : déduit des dates, refusé quand chaque date se lit des deux façons.</translation>
    </message>
    <message>
        <source>Fill missing rates (0, not the first record) from the price index: of the imported rows, or without FILE of every record of the investment.</source>
        <translation>Compléter les taux manquants (0, pas le premier enregistrement) d'après l'indice des prix : ceux des lignes importées, ou sans FILE ceux de chaque enregistrement du placement.</translation>
    </message>
    <message>
        <source>With --fill-rates: the price index &lt;name&gt; (default: the one chosen under View, Price Index, else the system locale's).</source>
        <translation>Avec --fill-rates : l'indice des prix &lt;name&gt; (par défaut : celui choisi sous Affichage, Indice des prix, sinon celui des paramètres régionaux du système).</translation>
    </message>
    <message>
        <source>Print what would change and change nothing.</source>
        <translation>Afficher ce qui changerait, sans rien changer.</translation>
    </message>
    <message>
        <source>The records to import.</source>
        <translation>Les enregistrements à importer.</translation>
    </message>
    <message>
        <source>one file at a time (see --help)</source>
        <translation>un fichier à la fois (voir --help)</translation>
    </message>
    <message>
        <source>give either --investment N or --new-investment TYPE (see --help)</source>
        <translation>donnez soit --investment N soit --new-investment TYPE (voir --help)</translation>
    </message>
    <message>
        <source>--institution goes with --new-investment</source>
        <translation>--institution va avec --new-investment</translation>
    </message>
    <message>
        <source>--series needs --fill-rates</source>
        <translation>--series demande --fill-rates</translation>
    </message>
    <message>
        <source>without FILE only --fill-rates --investment N [--series NAME] (see --help)</source>
        <translation>sans FILE, seulement --fill-rates --investment N [--series NAME] (voir --help)</translation>
    </message>
    <message>
        <source>--date-format takes iso, mdy or dmy, not "%1"</source>
        <translation>--date-format accepte iso, mdy ou dmy, pas « %1 »</translation>
    </message>
    <message>
        <source>--investment takes a number from 1, not "%1"</source>
        <translation>--investment accepte un nombre à partir de 1, pas « %1 »</translation>
    </message>
    <message>
        <source>"%1": every date reads both as month/day and as day/month (line %2: "%3" is %4 or %5); choose with --date-format mdy or dmy</source>
        <translation>« %1 » : chaque date se lit aussi bien mois/jour que jour/mois (ligne %2 : « %3 » est le %4 ou le %5) ; choisissez avec --date-format mdy ou dmy</translation>
    </message>
    <message>
        <source>"%1": %2 row cannot be read; nothing was changed:</source>
        <extracomment>%1 is the CSV file, %2 the number of rows.</extracomment>
        <translation>« %1 » : %2 ligne illisible ; rien n'a été modifié :</translation>
    </message>
    <message>
        <source>"%1": %2 rows cannot be read; nothing was changed:</source>
        <translation>« %1 » : %2 lignes illisibles ; rien n'a été modifié :</translation>
    </message>
    <message>
        <source>Plumbline 3.5 is running on "%1"; close it, then import again</source>
        <translation>Plumbline 3.5 est en cours d'exécution sur « %1 » ; fermez-le, puis importez de nouveau</translation>
    </message>
    <message>
        <source>the lock file of "%1" cannot be used; nothing was changed</source>
        <translation>le fichier de verrou de « %1 » ne peut pas être utilisé ; rien n'a été modifié</translation>
    </message>
    <message>
        <source>warning: the change is made but not yet kept as a version: error %1: %2</source>
        <translation>avertissement : la modification est faite mais pas encore conservée comme version : erreur %1 : %2</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>%1 is why the data files cannot be read.</extracomment>
        <translation>%1 ; rien n'a été modifié</translation>
    </message>
    <message>
        <source>the summary could not be written to standard output</source>
        <translation>le résumé n'a pas pu être écrit sur la sortie standard</translation>
    </message>
</context>
<context>
    <name>plumbline-index</name>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is the CSV file, %2 a line number in it, %3 what is wrong with that line.</extracomment>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>The price indexes Plumbline suggests inflation rates from.

  list                 every series (shipped and imported), one a line: name, frequency
                       (monthly, quarterly or annual), coverage, country, shipped or
                       imported, title, unit and base, publisher, the day it was taken
  import FILE --name NAME [--country CC] [--replace]
                       reads a monthly index from a CSV file and stores it as NAME,
                       replacing a series of that name whole; where the file changes
                       figures that series held, it says how many and stops unless
                       --replace is given
  rate FROM TO [--series NAME]
                       the inflation rate in percent from date FROM to date TO
                       (YYYY-MM-DD or YYYY-MM); exits with 2 and the reason when
                       the series has no rate for them

Without --series the series chosen under View, Price Index is used; without a choice, that of the system locale's country: its monthly national index, else the euro area's HICP where the euro is paid, else its quarterly or annual series (US-CPI-U when it has none).
Imported series live in the folder "Price Indexes" of the data folder; the data files are never touched.</source>
        <translation>Les indices des prix d'après lesquels Plumbline suggère des taux d'inflation.

  list                 chaque série (fournie ou importée), une par ligne : nom, fréquence
                       (mensuelle, trimestrielle ou annuelle), couverture, pays, fournie ou
                       importée, titre, unité et base, éditeur, date du relevé
  import FILE --name NAME [--country CC] [--replace]
                       lit un indice mensuel dans un fichier CSV et l'enregistre sous NAME,
                       en remplaçant entièrement une série de ce nom ; là où le fichier
                       change des chiffres que cette série contenait, il indique combien
                       et s'arrête, sauf si --replace est donné
  rate FROM TO [--series NAME]
                       le taux d'inflation en pourcentage de la date FROM à la date TO
                       (AAAA-MM-JJ ou AAAA-MM) ; sort avec le code 2 et la raison quand
                       la série n'a pas de taux pour elles

Sans --series, la série choisie sous Affichage, Indice des prix est utilisée ; sans choix, celle du pays des paramètres régionaux du système : son indice national mensuel, sinon l'IPCH de la zone euro là où l'on paie en euros, sinon sa série trimestrielle ou annuelle (US-CPI-U s'il n'en a pas).
Les séries importées se trouvent dans le dossier « Price Indexes » du dossier de données ; les fichiers de données ne sont jamais touchés.</translation>
    </message>
    <message>
        <source>import: the series' name.</source>
        <translation>import : le nom de la série.</translation>
    </message>
    <message>
        <source>import: the series' country, a two-letter ISO code.</source>
        <translation>import : le pays de la série, un code ISO à deux lettres.</translation>
    </message>
    <message>
        <source>rate: the series to use.</source>
        <translation>rate : la série à utiliser.</translation>
    </message>
    <message>
        <source>import: replace a series of that name even where the file changes its past figures.</source>
        <translation>import : remplacer une série de ce nom même là où le fichier change ses chiffres passés.</translation>
    </message>
    <message>
        <source>list, import or rate</source>
        <translation>list, import ou rate</translation>
    </message>
    <message>
        <source>import needs --name NAME</source>
        <translation>import demande --name NAME</translation>
    </message>
    <message>
        <source>%1: %2 changes figures the series holds (%3). Nothing was changed; add --replace to replace it.</source>
        <translation>%1 : %2 change des chiffres que contient la série (%3). Rien n'a été modifié ; ajoutez --replace pour la remplacer.</translation>
    </message>
    <message>
        <source>Revised: %1.</source>
        <translation>Révisés : %1.</translation>
    </message>
    <message>
        <source>Replaced %1: %2 months, %3 (in %4)</source>
        <extracomment>%1 is the series' name, %2 its number of months, %3 the months it covers, %4 the folder it is kept in.</extracomment>
        <translation>%1 remplacée : %2 mois, %3 (dans %4)</translation>
    </message>
    <message>
        <source>Imported %1: %2 months, %3 (in %4)</source>
        <translation>%1 importée : %2 mois, %3 (dans %4)</translation>
    </message>
    <message>
        <source>dates are YYYY-MM-DD or YYYY-MM (see --help)</source>
        <translation>les dates sont de la forme AAAA-MM-JJ ou AAAA-MM (voir --help)</translation>
    </message>
    <message>
        <source>no rate: %1</source>
        <translation>pas de taux : %1</translation>
    </message>
    <message>
        <source>expected list, import FILE --name NAME, or rate FROM TO (see --help)</source>
        <translation>attendu : list, import FILE --name NAME, ou rate FROM TO (voir --help)</translation>
    </message>
</context>
<context>
    <name>plumbline-report</name>
    <message>
        <source>Writes the PDF report of a Plumbline 3.5 data folder: a summary of the investments with what inflation took, then each investment's chart and every data record with its computed figures. The file is written whole or not at all; nothing in the data folder is ever changed.</source>
        <translation>Écrit le rapport PDF d'un dossier de données Plumbline 3.5 : un résumé des placements avec ce que l'inflation a pris, puis le graphique de chaque placement et chaque enregistrement avec ses chiffres calculés. Le fichier est écrit en entier ou pas du tout ; rien n'est jamais modifié dans le dossier de données.</translation>
    </message>
    <message>
        <source>Report only investment number &lt;n&gt;.</source>
        <translation>Ne faire le rapport que du placement numéro &lt;n&gt;.</translation>
    </message>
    <message>
        <source>Write the report to &lt;file&gt; (required).</source>
        <translation>Écrire le rapport dans &lt;file&gt; (obligatoire).</translation>
    </message>
    <message>
        <source>Date the report &lt;yyyy-mm-dd&gt; instead of today.</source>
        <translation>Dater le rapport du &lt;yyyy-mm-dd&gt; au lieu d'aujourd'hui.</translation>
    </message>
    <message>
        <source>Write dates for the locale &lt;name&gt; (such as en_GB) instead of the system's.</source>
        <translation>Écrire les dates selon les paramètres régionaux &lt;name&gt; (comme fr_FR) au lieu de ceux du système.</translation>
    </message>
    <message>
        <source>Tell the pages written on standard output, a line each ("pages N", "page K", "done K"), for a program that shows them.</source>
        <translation>Indiquer les pages écrites sur la sortie standard, une ligne chacune (« pages N », « page K », « done K »), pour un programme qui les affiche.</translation>
    </message>
    <message>
        <source>The price index &lt;name&gt; for the figure of all investments after inflation (default: the series chosen under View, Price Index, else that of the system locale's country).</source>
        <translation>L'indice des prix &lt;name&gt; pour le chiffre de tous les placements après inflation (par défaut : la série choisie sous Affichage, Indice des prix, sinon celle du pays des paramètres régionaux du système).</translation>
    </message>
    <message>
        <source>--out FILE.pdf is required (see --help)</source>
        <translation>--out FILE.pdf est obligatoire (voir --help)</translation>
    </message>
    <message>
        <source>"%1" is not a date of the form yyyy-mm-dd</source>
        <translation>« %1 » n'est pas une date de la forme yyyy-mm-dd</translation>
    </message>
    <message>
        <source>%1: %2 page</source>
        <extracomment>%1 is the PDF file written, %2 its number of pages.</extracomment>
        <translation>%1 : %2 page</translation>
    </message>
    <message>
        <source>%1: %2 pages</source>
        <translation>%1 : %2 pages</translation>
    </message>
</context>
<context>
    <name>plumbline-snapshot</name>
    <message>
        <source>Opens the Plumbline 3.5 main window on the program's data folder, as the program does once the user is through start-up, saves a picture of it to FILE.png and ends. For machines without a display: run it under xvfb-run.</source>
        <translation>Ouvre la fenêtre principale de Plumbline 3.5 sur le dossier de données du programme, comme le fait le programme une fois le démarrage passé, en enregistre une image dans FILE.png et se termine. Pour les machines sans écran : lancez-le sous xvfb-run.</translation>
    </message>
    <message>
        <source>Where the picture is saved.</source>
        <translation>Où l'image est enregistrée.</translation>
    </message>
    <message>
        <source>usage: plumbline-snapshot FILE.png</source>
        <translation>utilisation : plumbline-snapshot FILE.png</translation>
    </message>
</context>
<context>
    <name>plumbline-versions</name>
    <message>
        <source>Lists, shows and restores the versions Plumbline 3.5 keeps of its two data files, and undoes or redoes the last change.

Commands:
  list            every kept version, newest first
  show ID         one version's time, change and counts
  restore ID      make version ID current (itself a change that can be undone)
  undo            back to the state before the last change
  redo            the change undone last, made again</source>
        <translation>Liste, affiche et restaure les versions que Plumbline 3.5 conserve de ses deux fichiers de données, et annule ou rétablit la dernière modification.

Commandes :
  list            chaque version conservée, la plus récente d'abord
  show ID         l'heure, la modification et les comptes d'une version
  restore ID      faire de la version ID l'actuelle (une modification elle-même annulable)
  undo            revenir à l'état d'avant la dernière modification
  redo            refaire la dernière modification annulée</translation>
    </message>
    <message>
        <source>With show: write the version's records to &lt;file&gt; as CSV.</source>
        <translation>Avec show : écrire les enregistrements de la version dans &lt;file&gt; au format CSV.</translation>
    </message>
    <message>
        <source>list, show ID, restore ID, undo, redo</source>
        <translation>list, show ID, restore ID, undo, redo</translation>
    </message>
    <message>
        <source>no command given (see --help)</source>
        <translation>aucune commande donnée (voir --help)</translation>
    </message>
    <message>
        <source>unknown command "%1" (see --help)</source>
        <translation>commande inconnue « %1 » (voir --help)</translation>
    </message>
    <message>
        <source>%1 takes one version number</source>
        <translation>%1 accepte un numéro de version</translation>
    </message>
    <message>
        <source>%1 takes no argument</source>
        <translation>%1 n'accepte aucun argument</translation>
    </message>
    <message>
        <source>"%1" is not a version number</source>
        <translation>« %1 » n'est pas un numéro de version</translation>
    </message>
    <message>
        <source>--export goes with show</source>
        <translation>--export va avec show</translation>
    </message>
    <message>
        <source>the data folder "%1" is in use by a running copy of Plumbline; close it first</source>
        <translation>le dossier de données « %1 » est utilisé par une copie de Plumbline en cours d'exécution ; fermez-la d'abord</translation>
    </message>
    <message>
        <source>the lock file of the data folder "%1" cannot be used</source>
        <translation>le fichier de verrou du dossier de données « %1 » ne peut pas être utilisé</translation>
    </message>
    <message>
        <source>there is no version %1</source>
        <translation>il n'y a pas de version %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>The labels of one kept version: its number, when it was kept, the change it made, and how many investments and data records it holds.</extracomment>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Heure : %1</translation>
    </message>
    <message>
        <source>Change: %1</source>
        <translation>Modification : %1</translation>
    </message>
    <message>
        <source>Investments: %1</source>
        <translation>Placements : %1</translation>
    </message>
    <message>
        <source>Records: %1</source>
        <translation>Enregistrements : %1</translation>
    </message>
    <message>
        <source>Current: yes</source>
        <extracomment>The version is the one the data files hold now.</extracomment>
        <translation>Actuelle : oui</translation>
    </message>
    <message>
        <source>no temporary folder for the version's files</source>
        <translation>aucun dossier temporaire pour les fichiers de la version</translation>
    </message>
    <message>
        <source>Restored version %1.</source>
        <translation>Version %1 restaurée.</translation>
    </message>
    <message>
        <source>there is no change to undo</source>
        <translation>il n'y a aucune modification à annuler</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>there is no change to redo</source>
        <translation>il n'y a aucune modification à rétablir</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rétabli : %1</translation>
    </message>
</context>
<context>
    <name>ui::import::FillRatesDialog</name>
    <message>
        <source>Fill Missing Rates</source>
        <translation>Compléter les taux manquants</translation>
    </message>
    <message>
        <source>Every record of %1 after the first has a rate: there is nothing to fill.</source>
        <translation>Chaque enregistrement de %1 après le premier a un taux : il n'y a rien à compléter.</translation>
    </message>
    <message>
        <source>%1 of the %2 records of %3 without a rate get one from %4. Records that have a rate are not changed.</source>
        <extracomment>%1 and %2 are counts of records, %3 the investment, %4 the name of a price index</extracomment>
        <translation>%1 des %2 enregistrements de %3 sans taux en reçoivent un de %4. Les enregistrements qui ont un taux ne sont pas modifiés.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enreg.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Interval</source>
        <extracomment>column of the time span a rate covers</extracomment>
        <translation>Période</translation>
    </message>
    <message>
        <source>Suggested Rate</source>
        <translation>Taux suggéré</translation>
    </message>
    <message>
        <source>Records without a rate</source>
        <translation>Enregistrements sans taux</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 au %2</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>ui::import::ImportRecordsDialog</name>
    <message>
        <source>Import Records</source>
        <translation>Importer des enregistrements</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Importer dans</translation>
    </message>
    <message>
        <source>The investment shown: %1</source>
        <translation>Le placement affiché : %1</translation>
    </message>
    <message>
        <source>The investment shown (none is)</source>
        <translation>Le placement affiché (aucun ne l'est)</translation>
    </message>
    <message>
        <source>A &amp;new investment</source>
        <translation>Un &amp;nouveau placement</translation>
    </message>
    <message>
        <source>Investment (required)</source>
        <translation>Placement (obligatoire)</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Établissement</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Colonne %1 : %2</translation>
    </message>
    <message>
        <source>Month/Day/Year</source>
        <translation>Mois/jour/année</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>Jour/mois/année</translation>
    </message>
    <message>
        <source>Dates with slashes</source>
        <translation>Dates avec barres obliques</translation>
    </message>
    <message>
        <source>Dates with slashes:</source>
        <translation>Dates avec barres obliques :</translation>
    </message>
    <message>
        <source>&amp;Fill missing rates from %1</source>
        <translation>&amp;Compléter les taux manquants d'après %1</translation>
    </message>
    <message>
        <source>Rows without a rate get the rate %1 gives since the investment's last record with both amounts above 0</source>
        <translation>Les lignes sans taux reçoivent le taux que donne %1 depuis le dernier enregistrement du placement ayant les deux montants supérieurs à 0</translation>
    </message>
    <message>
        <source>Rows of the file</source>
        <translation>Lignes du fichier</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Erreur %1 : %2</translation>
    </message>
    <message>
        <source>Choose the columns that hold the Date, the Original Amount and the Current Amount.</source>
        <translation>Choisissez les colonnes qui contiennent la date, le montant d'origine et le montant actuel.</translation>
    </message>
    <message>
        <source>The file holds no records.</source>
        <translation>Le fichier ne contient aucun enregistrement.</translation>
    </message>
    <message>
        <source>%1 of %2 row cannot be read (line %3): nothing is imported until the file is mended.</source>
        <extracomment>%1 and %2 are counts of rows, %3 a list of line numbers of the file</extracomment>
        <translation>%1 ligne sur %2 est illisible (ligne %3) : rien n'est importé tant que le fichier n'est pas corrigé.</translation>
    </message>
    <message>
        <source>%1 of %2 rows cannot be read (line %3): nothing is imported until the file is mended.</source>
        <translation>%1 lignes sur %2 sont illisibles (ligne %3) : rien n'est importé tant que le fichier n'est pas corrigé.</translation>
    </message>
    <message>
        <source>%1 of %2 rows cannot be read (lines %3): nothing is imported until the file is mended.</source>
        <translation>%1 lignes sur %2 sont illisibles (lignes %3) : rien n'est importé tant que le fichier n'est pas corrigé.</translation>
    </message>
    <message>
        <source>Nothing to import: the row is already present.</source>
        <translation>Rien à importer : la ligne est déjà présente.</translation>
    </message>
    <message>
        <source>Nothing to import: all %1 rows are already present.</source>
        <translation>Rien à importer : les %1 lignes sont déjà présentes.</translation>
    </message>
    <message>
        <source>%1 record to import: %2 after the last record, %3 merged by date.</source>
        <extracomment>%1 records in all, %2 of them added after the last record, %3 merged in by their dates</extracomment>
        <translation>%1 enregistrement à importer : %2 après le dernier enregistrement, %3 intercalés par date.</translation>
    </message>
    <message>
        <source>%1 records to import: %2 after the last record, %3 merged by date.</source>
        <translation>%1 enregistrements à importer : %2 après le dernier enregistrement, %3 intercalés par date.</translation>
    </message>
    <message>
        <source>%1 row already present.</source>
        <translation>%1 ligne déjà présente.</translation>
    </message>
    <message>
        <source>%1 rows already present.</source>
        <translation>%1 lignes déjà présentes.</translation>
    </message>
    <message>
        <source>%1 of %2 missing rates filled from %3.</source>
        <extracomment>%3 is the name of a price index</extracomment>
        <translation>%1 des %2 taux manquants complétés d'après %3.</translation>
    </message>
    <message>
        <source>Sorry, there is no entry in 'Investment'. You must make an entry.</source>
        <translation>Désolé, il n'y a aucune saisie dans « Placement ». Vous devez faire une saisie.</translation>
    </message>
</context>
<context>
    <name>ui::import::PreviewModel</name>
    <message>
        <source>%1 (filled)</source>
        <extracomment>%1 is a rate the import filled in from the price index</extracomment>
        <translation>%1 (complété)</translation>
    </message>
    <message>
        <source>already present, left out</source>
        <translation>déjà présent, laissé de côté</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Montant d'origine</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Montant actuel</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
</context>
<context>
    <name>ui::index::AboutDialog</name>
    <message>
        <source>About Plumbline</source>
        <translation>À propos de Plumbline</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 the version number</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Price index data:</source>
        <translation>Données des indices des prix :</translation>
    </message>
</context>
<context>
    <name>ui::index::ImportPriceIndexDialog</name>
    <message>
        <source>Import Price Index</source>
        <translation>Importer un indice des prix</translation>
    </message>
    <message>
        <source>Price index (*.csv *.txt);;All files (*)</source>
        <translation>Indice des prix (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>%1 a file</extracomment>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>C&amp;ountry code:</source>
        <translation>Code &amp;pays :</translation>
    </message>
    <message>
        <source>A monthly index: two columns (date as YYYY-MM or YYYY-MM-DD, value), or a download from ONS, FRED or Statistics Canada. A series of the same name is replaced whole.</source>
        <translation>Un indice mensuel : deux colonnes (date au format AAAA-MM ou AAAA-MM-JJ, valeur), ou un téléchargement depuis l'ONS, FRED ou Statistique Canada. Une série du même nom est entièrement remplacée.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>A price index named %1 exists. The file changes figures it holds: %2. Replace it with this file?</source>
        <extracomment>%1 the name of a price index, %2 the months whose figures change</extracomment>
        <translation>Un indice des prix nommé %1 existe. Le fichier change des chiffres qu'il contient : %2. Le remplacer par ce fichier ?</translation>
    </message>
    <message>
        <source>A price index named %1 exists. Replace it with this file?</source>
        <extracomment>%1 the name of a price index</extracomment>
        <translation>Un indice des prix nommé %1 existe. Le remplacer par ce fichier ?</translation>
    </message>
    <message>
        <source>Replaced %1: %2 months, %3.<byte value="xd" />
Choose it under View, Price Index.</source>
        <extracomment>%1 the name of a price index, %2 a number of months, %3 the months it covers</extracomment>
        <translation>%1 remplacé : %2 mois, %3.
Choisissez-le sous Affichage, Indice des prix.</translation>
    </message>
    <message>
        <source>Imported %1: %2 months, %3.<byte value="xd" />
Choose it under View, Price Index.</source>
        <translation>%1 importé : %2 mois, %3.
Choisissez-le sous Affichage, Indice des prix.</translation>
    </message>
</context>
<context>
    <name>ui::index::PriceIndexDialog</name>
    <message>
        <source>monthly index</source>
        <extracomment>The Frequency column</extracomment>
        <translation>indice mensuel</translation>
    </message>
    <message>
        <source>quarterly index</source>
        <translation>indice trimestriel</translation>
    </message>
    <message>
        <source>annual change</source>
        <translation>variation annuelle</translation>
    </message>
    <message>
        <source>Euro area</source>
        <translation>Zone euro</translation>
    </message>
    <message>
        <source>Currency area %1</source>
        <extracomment>%1 a currency code such as USD</extracomment>
        <translation>Zone monétaire %1</translation>
    </message>
    <message>
        <source>Regions and country groups</source>
        <translation>Régions et groupes de pays</translation>
    </message>
    <message>
        <source>Other series</source>
        <translation>Autres séries</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <extracomment>%1 where the figures come from</extracomment>
        <translation>Source : %1</translation>
    </message>
    <message>
        <source>Publisher: %1</source>
        <extracomment>%1 the publisher of the figures</extracomment>
        <translation>Éditeur : %1</translation>
    </message>
    <message>
        <source>taken %1</source>
        <extracomment>One of the facts of a series, after its coverage; %1 when or where the figures were taken</extracomment>
        <translation>relevé %1</translation>
    </message>
    <message>
        <source>Price Index</source>
        <translation>Indice des prix</translation>
    </message>
    <message>
        <source>The data record dialog suggests inflation rates from this price index:</source>
        <translation>La fenêtre d'enregistrement suggère des taux d'inflation d'après cet indice des prix :</translation>
    </message>
    <message>
        <source>Find a series or country</source>
        <translation>Rechercher une série ou un pays</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Couverture</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>%1 (imported)</source>
        <extracomment>%1 the title of a series the user imported</extracomment>
        <translation>%1 (importé)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>No series chosen.</source>
        <translation>Aucune série choisie.</translation>
    </message>
    <message>
        <source>Choose a price index from the list.</source>
        <translation>Choisissez un indice des prix dans la liste.</translation>
    </message>
</context>
<context>
    <name>ui::index::RateSuggestion</name>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Utiliser</translation>
    </message>
    <message>
        <source>No suggestion: %1</source>
        <extracomment>%1 why the price index cannot be read
----------
%1 why no rate can be given</extracomment>
        <translation>Aucune suggestion : %1</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>&amp;Mensuel</translation>
    </message>
    <message>
        <source>&amp;Quarterly</source>
        <translation>Tri&amp;mestriel</translation>
    </message>
    <message>
        <source>Suggest rates from the %1 %2 (%3) instead of annual averages</source>
        <extracomment>%1 the frequency (monthly, quarterly), %2 the series' title, %3 its name</extracomment>
        <translation>Suggérer des taux d'après l'%1 %2 (%3) au lieu des moyennes annuelles</translation>
    </message>
    <message>
        <source>Use the %1 series %2</source>
        <extracomment>%1 the frequency (monthly, quarterly), %2 the series' title</extracomment>
        <translation>Utiliser l'%1 %2</translation>
    </message>
    <message>
        <source>No suggestion: line %1 of the data records cannot be read.</source>
        <extracomment>%1 a line number</extracomment>
        <translation>Aucune suggestion : la ligne %1 des enregistrements ne peut pas être lue.</translation>
    </message>
    <message>
        <source>No suggestion for the investment's first record.</source>
        <translation>Aucune suggestion pour le premier enregistrement du placement.</translation>
    </message>
    <message>
        <source>No suggestion: no earlier record has both amounts above 0.</source>
        <translation>Aucune suggestion : aucun enregistrement antérieur n'a ses deux montants supérieurs à 0.</translation>
    </message>
    <message>
        <source>No suggestion until the Date box holds a date.</source>
        <translation>Aucune suggestion tant que la zone Date ne contient pas de date.</translation>
    </message>
    <message>
        <source>About %1 % since %2, from annual averages</source>
        <extracomment>%1 a rate in percent, %2 a date</extracomment>
        <translation>Environ %1 % depuis le %2, d'après les moyennes annuelles</translation>
    </message>
    <message>
        <source>%1: %2 % since %3, provisional</source>
        <extracomment>%1 the series' title, %2 a rate in percent, %3 a date</extracomment>
        <translation>%1 : %2 % depuis le %3, provisoire</translation>
    </message>
    <message>
        <source>%1: %2 % since %3</source>
        <extracomment>%1 the series' title, %2 a rate in percent, %3 a date</extracomment>
        <translation>%1 : %2 % depuis le %3</translation>
    </message>
    <message>
        <source>No suggestion: %1 % is too large for the rate box.</source>
        <extracomment>%1 a rate in percent</extracomment>
        <translation>Aucune suggestion : %1 % est trop grand pour la zone du taux.</translation>
    </message>
    <message>
        <source>No suggestion: the date is before %1, where the rate would start.</source>
        <extracomment>%1 a date</extracomment>
        <translation>Aucune suggestion : la date précède le %1, où le taux commencerait.</translation>
    </message>
</context>
<context>
    <name>ui::report::ReportDialog</name>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Report on</source>
        <translation>Rapport sur</translation>
    </message>
    <message>
        <source>&amp;Shown investment</source>
        <translation>&amp;Placement affiché</translation>
    </message>
    <message>
        <source>&amp;Shown investment (number %1)</source>
        <extracomment>%1 the number of the investment, which has no type or institution</extracomment>
        <translation>&amp;Placement affiché (numéro %1)</translation>
    </message>
    <message>
        <source>&amp;Shown investment (%1)</source>
        <extracomment>%1 the investment's type and institution</extracomment>
        <translation>&amp;Placement affiché (%1)</translation>
    </message>
    <message>
        <source>&amp;All investments</source>
        <translation>&amp;Tous les placements</translation>
    </message>
    <message>
        <source>Save &amp;as:</source>
        <translation>Enregistrer &amp;sous :</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Parc&amp;ourir...</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>C&amp;réer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Enregistrer le rapport sous</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Please enter the name of the report file.</source>
        <translation>Veuillez saisir le nom du fichier du rapport.</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd" />
Do you want to replace it?</source>
        <extracomment>%1 a file</extracomment>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Page 0 of %1</source>
        <extracomment>%1 the number of pages</extracomment>
        <translation>Page 0 sur %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>%1 and %2 page numbers</extracomment>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>The report (%1 page) was saved as<byte value="xd" />
%2</source>
        <extracomment>%1 the number of pages, %2 the report's file</extracomment>
        <translation>Le rapport (%1 page) a été enregistré sous
%2</translation>
    </message>
    <message>
        <source>The report (%1 pages) was saved as<byte value="xd" />
%2</source>
        <translation>Le rapport (%1 pages) a été enregistré sous
%2</translation>
    </message>
    <message>
        <source>Cancelled: no report was written.</source>
        <translation>Annulé : aucun rapport n'a été écrit.</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Reading the data records...</source>
        <translation>Lecture des enregistrements...</translation>
    </message>
</context>
</TS>