<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>The program&apos;s version and the sources of its price-index data</source>
        <translation>La version du programme et les sources de ses données d&apos;indices des prix</translation>
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
        <translation>D&apos;où viennent les indices des prix fournis et sous quelles licences</translation>
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
        <translation>Barre d&apos;outils</translation>
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
        <translation>Ligne sous la barre d&apos;outils</translation>
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
        <extracomment>%1 is the menu&apos;s title, such as File or Edit</extracomment>
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
        <translation>L&apos;image n&apos;a pas de taille.</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of that size.</source>
        <translation>La mémoire ne suffit pas pour une image de cette taille.</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>L&apos;image n&apos;a pas pu être encodée.</translation>
    </message>
    <message>
        <source>The PDF page could not be started.</source>
        <translation>La page PDF n&apos;a pas pu être commencée.</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Montant actuel</translation>
    </message>
    <message>
        <source>Current Amount AFI</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Montant actuel corrigé de l&apos;inflation</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Montant d&apos;origine</translation>
    </message>
    <message>
        <source>Lost to inflation</source>
        <translation>Perdu à cause de l&apos;inflation</translation>
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
        <translation>Ce placement n&apos;a encore aucun enregistrement, il n&apos;y a donc rien à tracer. Ajoutez un enregistrement avec Ajouter sous la grille.</translation>
    </message>
    <message>
        <source>No data record of this investment has both amounts above 0, so there is nothing to draw.</source>
        <translation>Aucun enregistrement de ce placement n&apos;a ses deux montants supérieurs à 0, il n&apos;y a donc rien à tracer.</translation>
    </message>
    <message>
        <source>No inflation rate has been entered for this investment yet, so there is no amount adjusted for inflation to draw.</source>
        <translation>Aucun taux d&apos;inflation n&apos;a encore été saisi pour ce placement, il n&apos;y a donc aucun montant corrigé de l&apos;inflation à tracer.</translation>
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
        <source>The shown investment&apos;s current amount against its amount adjusted for inflation</source>
        <translation>Le montant actuel du placement affiché face à son montant corrigé de l&apos;inflation</translation>
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
        <translation>Chiffres de l&apos;enregistrement choisi</translation>
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
        <translation>Il n&apos;y a encore aucun placement à représenter. Ajoutez-en un avec la commande Nouveau placement.</translation>
    </message>
    <message>
        <source>The data history cannot be read: line %1 of &quot;%2&quot; gives error %3 (%4).</source>
        <extracomment>%1 a line number, %2 a file, %3 an error number, %4 its description</extracomment>
        <translation>L&apos;historique des données ne peut pas être lu&#xa0;: la ligne %1 de «&#xa0;%2&#xa0;» donne l&apos;erreur %3 (%4).</translation>
    </message>
    <message>
        <source>The data history &quot;%1&quot; cannot be read: error %2 (%3).</source>
        <extracomment>%1 a file, %2 an error number, %3 its description</extracomment>
        <translation>L&apos;historique des données «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: erreur %2 (%3).</translation>
    </message>
    <message>
        <source>Chart</source>
        <extracomment>%1 the investment&apos;s type and institution</extracomment>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Graphique&#xa0;: %1</translation>
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
        <translation>Enregistrement %1, %2&#xa0;: montant d&apos;origine %3&#xa0;; montant actuel %4&#xa0;; taux d&apos;inflation (%) %5</translation>
    </message>
    <message>
        <source>Inc/Dec %1; Profit/Loss %2; Loss To Inflation %3; Current Amount AFI %4; Profit/Loss AFI %5</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Hausse/baisse %1&#xa0;; gain/perte %2&#xa0;; perte due à l&apos;inflation %3&#xa0;; montant actuel c. infl. %4&#xa0;; gain/perte c. infl. %5</translation>
    </message>
    <message>
        <source>No inflation rate entered: the loss to inflation and both AFI figures are carried from the record before.</source>
        <translation>Aucun taux d&apos;inflation saisi&#xa0;: la perte due à l&apos;inflation et les deux chiffres corrigés de l&apos;inflation sont reportés de l&apos;enregistrement précédent.</translation>
    </message>
    <message>
        <source>An amount is at or below 0: nothing is computed for this record; the figures stand as they were.</source>
        <translation>Un montant est inférieur ou égal à 0&#xa0;: rien n&apos;est calculé pour cet enregistrement&#xa0;; les chiffres restent tels quels.</translation>
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
        <source>The chart could not be saved to &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <extracomment>%1 a file, %2 why</extracomment>
        <translation>Le graphique n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;»&#xa0;:<byte value="xd"/>
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
        <translation>Plumbline 3.5 assure le suivi de vos placements personnels et montre comment leur valeur résiste à l&apos;inflation. Il n&apos;accepte aucun argument&#xa0;; les données se trouvent dans son dossier de données.</translation>
    </message>
    <message>
        <source>plumbline: unexpected argument &quot;%1&quot; (see --help)</source>
        <translation>plumbline&#xa0;: argument inattendu «&#xa0;%1&#xa0;» (voir --help)</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The investment delete that was interrupted cannot be completed from the files in the data folder. It had not changed &quot;%1&quot; or &quot;%2&quot; yet, so it was undone: both are as they were before it.</source>
        <translation>La suppression de placement interrompue ne peut pas être achevée à partir des fichiers du dossier de données. Elle n&apos;avait encore modifié ni «&#xa0;%1&#xa0;» ni «&#xa0;%2&#xa0;», elle a donc été annulée&#xa0;: les deux sont tels qu&apos;avant.</translation>
    </message>
    <message>
        <source>The note of an interrupted investment delete cannot be read, so whether &quot;%1&quot; and &quot;%2&quot; still belong together is not known. Both were moved aside with it.</source>
        <translation>La note d&apos;une suppression de placement interrompue ne peut pas être lue, on ne sait donc pas si «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;» vont encore ensemble. Les deux ont été mis de côté avec elle.</translation>
    </message>
    <message>
        <source>The investment delete that was interrupted cannot be completed from the files in the data folder, and whether it had already replaced %1 is not known, so they may no longer belong together. Both were moved aside with it.</source>
        <translation>La suppression de placement interrompue ne peut pas être achevée à partir des fichiers du dossier de données, et on ne sait pas si elle avait déjà remplacé %1&#xa0;; ils peuvent donc ne plus aller ensemble. Les deux ont été mis de côté avec elle.</translation>
    </message>
    <message>
        <source>The investment delete that was interrupted cannot be completed from the files in the data folder. It had already replaced %1 but not %2, and they no longer belong together (investments would show the records of others), so both were moved aside with it.</source>
        <translation>La suppression de placement interrompue ne peut pas être achevée à partir des fichiers du dossier de données. Elle avait déjà remplacé %1 mais pas %2, et ils ne vont plus ensemble (des placements afficheraient les enregistrements d&apos;autres placements)&#xa0;; les deux ont donc été mis de côté avec elle.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 n&apos;a pas pu être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a folder, pipe or device); nothing was read.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire (c&apos;est un dossier, un tube ou un périphérique)&#xa0;; rien n&apos;a été lu.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>an unfinished change is pending in &quot;%1&quot;; start Plumbline once to complete it</source>
        <translation>une modification inachevée est en attente dans «&#xa0;%1&#xa0;»&#xa0;; démarrez Plumbline une fois pour l&apos;achever</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be moved into the folder &quot;%2&quot;.</source>
        <extracomment>%1 is a file&apos;s name, %2 the folder of recovered files.</extracomment>
        <translation>« %1 » ne peut pas être déplacé dans le dossier « %2 ».</translation>
    </message>
    <message>
        <source>investments copied out by an investment delete</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>placements copiés lors de la suppression d&apos;un placement</translation>
    </message>
    <message>
        <source>the new data history of an investment delete</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>le nouvel historique des données d&apos;une suppression de placement</translation>
    </message>
    <message>
        <source>data records of the investments not being edited</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>enregistrements des placements qui ne sont pas en cours de modification</translation>
    </message>
    <message>
        <source>data records of the investment being edited</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>enregistrements du placement en cours de modification</translation>
    </message>
    <message>
        <source>data records of the investment last shown</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>enregistrements du dernier placement affiché</translation>
    </message>
    <message>
        <source>the investment file</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>le fichier des placements</translation>
    </message>
    <message>
        <source>the data history</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>l&apos;historique des données</translation>
    </message>
    <message>
        <source>the note of an investment delete that was not completed</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>la note d&apos;une suppression de placement inachevée</translation>
    </message>
    <message>
        <source>an unfinished new copy of &quot;%1&quot;, not complete</source>
        <extracomment>Describes a file left in the data folder; %1 is the name of the data file it was to replace.</extracomment>
        <translation>une nouvelle copie inachevée de « %1 », incomplète</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two names of files, either one (&quot;A&quot; or &quot;B&quot;).</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two names of files, both of them (&quot;A&quot; and &quot;B&quot;).</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: error %2: %3</source>
        <extracomment>%1 is a file, %2 an error number, %3 the error&apos;s description.</extracomment>
        <translation>« %1 » : erreur %2 : %3</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>%1 is a list of line numbers (&quot;2, 3, 4&quot;), %2 how many more lines there are.</extracomment>
        <translation>%1 et %2 autres</translation>
    </message>
    <message>
        <source>there are no investments</source>
        <translation>il n&apos;y a aucun placement</translation>
    </message>
    <message>
        <source>investments are numbered 1 to %1</source>
        <extracomment>%1 is the number of the last investment.</extracomment>
        <translation>les placements sont numérotés de 1 à %1</translation>
    </message>
    <message>
        <source>1 line of &quot;%1&quot; names no investment (%2) and is not exported: line %3</source>
        <extracomment>%1 is the history file, %2 says which investments exist, %3 the line&apos;s number.</extracomment>
        <translation>1 ligne de « %1 » ne désigne aucun placement (%2) et n&apos;est pas exportée : ligne %3</translation>
    </message>
    <message>
        <source>1 line of &quot;%1&quot; names no investment (%2) and is not in the report: line %3</source>
        <extracomment>%1 is the history file, %2 says which investments exist, %3 the line&apos;s number.</extracomment>
        <translation>1 ligne de « %1 » ne désigne aucun placement (%2) et ne figure pas dans le rapport : ligne %3</translation>
    </message>
    <message>
        <source>1 line of &quot;%1&quot; names no investment (%2) and is not counted: line %3</source>
        <extracomment>%1 is the history file, %2 says which investments exist, %3 the line&apos;s number.</extracomment>
        <translation>1 ligne de « %1 » ne désigne aucun placement (%2) et n&apos;est pas comptée : ligne %3</translation>
    </message>
    <message>
        <source>%1 lines of &quot;%2&quot; name no investment (%3) and are not exported: lines %4</source>
        <extracomment>%1 is how many lines, %2 the history file, %3 says which investments exist, %4 the lines&apos; numbers.</extracomment>
        <translation>%1 lignes de « %2 » ne désignent aucun placement (%3) et ne sont pas exportées : lignes %4</translation>
    </message>
    <message>
        <source>%1 lines of &quot;%2&quot; name no investment (%3) and are not in the report: lines %4</source>
        <extracomment>%1 is how many lines, %2 the history file, %3 says which investments exist, %4 the lines&apos; numbers.</extracomment>
        <translation>%1 lignes de « %2 » ne désignent aucun placement (%3) et ne figurent pas dans le rapport : lignes %4</translation>
    </message>
    <message>
        <source>%1 lines of &quot;%2&quot; name no investment (%3) and are not counted: lines %4</source>
        <extracomment>%1 is how many lines, %2 the history file, %3 says which investments exist, %4 the lines&apos; numbers.</extracomment>
        <translation>%1 lignes de « %2 » ne désignent aucun placement (%3) et ne sont pas comptées : lignes %4</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The file holds binary data (NUL bytes): it is not a CSV text file.</source>
        <translation>Le fichier contient des données binaires (octets NUL)&#xa0;: ce n&apos;est pas un fichier texte CSV.</translation>
    </message>
    <message>
        <source>The file starts as UTF-8 text but holds bytes that are not UTF-8.</source>
        <translation>Le fichier commence comme du texte UTF-8 mais contient des octets qui ne sont pas de l&apos;UTF-8.</translation>
    </message>
    <message>
        <source>The file holds bytes that are neither UTF-8 nor Windows-1252 text.</source>
        <translation>Le fichier contient des octets qui ne sont ni du texte UTF-8 ni du texte Windows-1252.</translation>
    </message>
    <message>
        <source>The file holds control characters: it is not a CSV text file.</source>
        <translation>Le fichier contient des caractères de contrôle&#xa0;: ce n&apos;est pas un fichier texte CSV.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, too large to import.</source>
        <translation>Le fichier dépasse %1 Mo, il est trop volumineux pour être importé.</translation>
    </message>
    <message>
        <source>Line %1: a quoted field is not closed.</source>
        <translation>Ligne %1&#xa0;: un champ entre guillemets n&apos;est pas fermé.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Montant d&apos;origine</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Montant actuel</translation>
    </message>
    <message>
        <source>Inflation Rate</source>
        <translation>Taux d&apos;inflation</translation>
    </message>
    <message>
        <source>the date is missing</source>
        <translation>la date manque</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; reads both as month/day and as day/month</source>
        <translation>la date «&#xa0;%1&#xa0;» se lit aussi bien mois/jour que jour/mois</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; is not a date</source>
        <translation>la date «&#xa0;%1&#xa0;» n&apos;est pas une date</translation>
    </message>
    <message>
        <source>the original amount is missing</source>
        <translation>le montant d&apos;origine manque</translation>
    </message>
    <message>
        <source>the original amount &quot;%1&quot; is not an amount</source>
        <translation>le montant d&apos;origine «&#xa0;%1&#xa0;» n&apos;est pas un montant</translation>
    </message>
    <message>
        <source>the current amount is missing</source>
        <translation>le montant actuel manque</translation>
    </message>
    <message>
        <source>the current amount &quot;%1&quot; is not an amount</source>
        <translation>le montant actuel «&#xa0;%1&#xa0;» n&apos;est pas un montant</translation>
    </message>
    <message>
        <source>the inflation rate &quot;%1&quot; is not a rate</source>
        <translation>le taux d&apos;inflation «&#xa0;%1&#xa0;» n&apos;est pas un taux</translation>
    </message>
    <message>
        <source>the row is of investment &quot;%1&quot;, line %2 of investment &quot;%3&quot;: import one investment at a time</source>
        <translation>la ligne appartient au placement «&#xa0;%1&#xa0;», la ligne %2 au placement «&#xa0;%3&#xa0;»&#xa0;: importez un seul placement à la fois</translation>
    </message>
    <message>
        <source>No column of the file is named as %1 (its header: %2).</source>
        <extracomment>%1 lists the missing column names, %2 is the file&apos;s header line</extracomment>
        <translation>Aucune colonne du fichier ne s&apos;appelle %1 (son en-tête&#xa0;: %2).</translation>
    </message>
    <message>
        <source>The file holds no records.</source>
        <translation>Le fichier ne contient aucun enregistrement.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <extracomment>%1 is a line number of the file, %2 what is wrong with it</extracomment>
        <translation>Ligne %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>A new investment needs an entry in &apos;Investment&apos;.</source>
        <translation>Un nouveau placement doit avoir une saisie dans «&#xa0;Placement&#xa0;».</translation>
    </message>
    <message>
        <source>An investment&apos;s type and institution hold at most 50 characters each.</source>
        <translation>Le type et l&apos;établissement d&apos;un placement comptent chacun 50 caractères au plus.</translation>
    </message>
    <message>
        <source>An investment&apos;s type and institution cannot hold line breaks.</source>
        <translation>Le type et l&apos;établissement d&apos;un placement ne peuvent pas contenir de saut de ligne.</translation>
    </message>
    <message>
        <source>the investment&apos;s first record</source>
        <translation>le premier enregistrement du placement</translation>
    </message>
    <message>
        <source>no earlier record has both amounts above 0</source>
        <translation>aucun enregistrement antérieur n&apos;a ses deux montants supérieurs à 0</translation>
    </message>
    <message>
        <source>the date is before the record the rate would start from</source>
        <translation>la date précède l&apos;enregistrement à partir duquel le taux commencerait</translation>
    </message>
    <message>
        <source>%1 % is too large for a rate</source>
        <translation>%1 % est trop grand pour un taux</translation>
    </message>
    <message>
        <source>There is no investment %1 (the file holds %2).</source>
        <translation>Il n&apos;y a pas de placement %1 (le fichier contient %2).</translation>
    </message>
    <message>
        <source>The data files changed after the records were read; nothing was written.</source>
        <translation>Les fichiers de données ont changé après la lecture des enregistrements&#xa0;; rien n&apos;a été écrit.</translation>
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
        <translation>L&apos;importation n&apos;a pas pu être achevée. Plumbline 3.5 l&apos;achèvera à son prochain démarrage et se ferme maintenant.</translation>
    </message>
    <message>
        <source>Import Recor&amp;ds…</source>
        <translation>Importer des enregistremen&amp;ts…</translation>
    </message>
    <message>
        <source>&amp;Fill Missing Rates…</source>
        <translation>Compléter les &amp;taux manquants…</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>Fichiers CSV (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be imported: %2</source>
        <extracomment>%1 is a file name, %2 the reason</extracomment>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être importé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Every date of this file can be read month first and day first.<byte value="xd"/>
<byte value="xd"/>
Line %1 holds &quot;%2&quot;:<byte value="xd"/>
Yes: month/day/year, %3<byte value="xd"/>
No: day/month/year, %4<byte value="xd"/>
<byte value="xd"/>
Are the dates month first?</source>
        <extracomment>%1 is a line number, %2 the date as the file writes it, %3 and %4 the two dates it can be</extracomment>
        <translation>Chaque date de ce fichier peut se lire le mois d&apos;abord comme le jour d&apos;abord.<byte value="xd"/>
<byte value="xd"/>
La ligne %1 contient «&#xa0;%2&#xa0;»&#xa0;:<byte value="xd"/>
Oui&#xa0;: mois/jour/année, %3<byte value="xd"/>
Non&#xa0;: jour/mois/année, %4<byte value="xd"/>
<byte value="xd"/>
Les dates commencent-elles par le mois&#xa0;?</translation>
    </message>
    <message>
        <source>There is no investment shown to fill rates for.</source>
        <translation>Aucun placement n&apos;est affiché dont compléter les taux.</translation>
    </message>
    <message>
        <source>The file is too large to be imported (more than %1 MB).</source>
        <extracomment>%1 is the largest size allowed, in megabytes.</extracomment>
        <translation>Le fichier est trop volumineux pour être importé (plus de %1 Mo).</translation>
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
        <translation>Nom sous lequel la série importée est conservée&#xa0;; une série du même nom est remplacée</translation>
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
        <extracomment>Stands for %1 in the chart&apos;s description when the investment has no type or institution</extracomment>
        <translation>le placement</translation>
    </message>
    <message>
        <source>Current Amount and Current Amount AFI of %1 over %2 record from %3 to %4. </source>
        <extracomment>AFI = adjusted for inflation; %1 the investment, %2 the number of records, %3 and %4 dates</extracomment>
        <translation>Montant actuel et montant actuel corrigé de l&apos;inflation de %1 sur %2 enregistrement du %3 au %4. </translation>
    </message>
    <message>
        <source>Current Amount and Current Amount AFI of %1 over %2 records from %3 to %4. </source>
        <translation>Montant actuel et montant actuel corrigé de l&apos;inflation de %1 sur %2 enregistrements du %3 au %4. </translation>
    </message>
    <message>
        <source>Last record: Current Amount %1, Current Amount AFI %2, Profit/Loss AFI %3.</source>
        <extracomment>AFI = adjusted for inflation; %1 to %3 amounts</extracomment>
        <translation>Dernier enregistrement&#xa0;: montant actuel %1, montant actuel corrigé de l&apos;inflation %2, gain/perte corrigé(e) de l&apos;inflation %3.</translation>
    </message>
    <message>
        <source>Current Amount AFI lies above Current Amount at %1 of the %2 records: a gain from falling prices.</source>
        <extracomment>AFI = adjusted for inflation; %1 and %2 numbers of records</extracomment>
        <translation>Le montant actuel corrigé de l&apos;inflation dépasse le montant actuel pour %1 des %2 enregistrements&#xa0;: un gain dû à la baisse des prix.</translation>
    </message>
    <message>
        <source>Current Amount AFI lies above Current Amount at its record: a gain from falling prices.</source>
        <translation>Le montant actuel corrigé de l&apos;inflation dépasse le montant actuel pour son enregistrement&#xa0;: un gain dû à la baisse des prix.</translation>
    </message>
    <message>
        <source>Current Amount AFI lies above Current Amount at every record: a gain from falling prices.</source>
        <translation>Le montant actuel corrigé de l&apos;inflation dépasse le montant actuel pour chaque enregistrement&#xa0;: un gain dû à la baisse des prix.</translation>
    </message>
    <message>
        <source>Left and Right move from record to record.</source>
        <translation>Gauche et Droite passent d&apos;un enregistrement à l&apos;autre.</translation>
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
        <translation>Voir «&#xa0;Rendements&#xa0;» dans le guide de l&apos;utilisateur (F1 ou À propos de ces chiffres).</translation>
    </message>
    <message>
        <source>No figure: %1.</source>
        <extracomment>%1 why a figure cannot be given</extracomment>
        <translation>Aucun chiffre&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No figure: no record with both amounts above zero.</source>
        <translation>Aucun chiffre&#xa0;: aucun enregistrement avec les deux montants supérieurs à zéro.</translation>
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
        <translation>Chaque somme d&apos;argent est exprimée aux prix du %1 selon l&apos;indice des prix %2.</translation>
    </message>
    <message>
        <source>Price index: %1.</source>
        <translation>Indice des prix&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No time-weighted figure for all investments together: the investments&apos; records fall on different dates, so there are no common intervals to link. The money-weighted figures cover them all.</source>
        <translation>Aucun chiffre pondéré par le temps pour tous les placements ensemble&#xa0;: les enregistrements des placements tombent à des dates différentes, il n&apos;y a donc pas de périodes communes à enchaîner. Les chiffres pondérés par les capitaux les couvrent tous.</translation>
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
due à l&apos;inflation</translation>
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
        <translation>L&apos;établissement qui détient le placement.</translation>
    </message>
    <message>
        <source>The date of the first record with both amounts above zero: the records the figures count.</source>
        <translation>La date du premier enregistrement avec les deux montants supérieurs à zéro&#xa0;: les enregistrements que comptent les chiffres.</translation>
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
        <source>What inflation took, added up over the records: each record&apos;s Loss To Inflation, counted once (a record without an inflation rate adds nothing).</source>
        <translation>Ce que l&apos;inflation a pris, additionné sur les enregistrements&#xa0;: la perte due à l&apos;inflation de chaque enregistrement, comptée une fois (un enregistrement sans taux d&apos;inflation n&apos;ajoute rien).</translation>
    </message>
    <message>
        <source>How much the investment itself grew a year, leaving out the money you added or took out: the return of each interval between records, linked together and spread over the years. Given for a year or more of records.</source>
        <translation>De combien le placement lui-même a progressé par an, sans compter l&apos;argent que vous avez versé ou retiré&#xa0;: le rendement de chaque période entre enregistrements, enchaîné puis réparti sur les années. Donné pour un an d&apos;enregistrements ou plus.</translation>
    </message>
    <message>
        <source>The same growth a year once the inflation rates of the records are taken out. Above zero, the investment beat inflation; below zero, inflation won.</source>
        <translation>La même progression par an une fois retirés les taux d&apos;inflation des enregistrements. Au-dessus de zéro, le placement a battu l&apos;inflation&#xa0;; en dessous, l&apos;inflation l&apos;a emporté.</translation>
    </message>
    <message>
        <source>The yearly rate your money earned, counting when you added or took out money, as a bank quotes interest on a savings account.</source>
        <translation>Le taux annuel qu&apos;a rapporté votre argent, en tenant compte des moments où vous avez versé ou retiré de l&apos;argent, comme une banque indique les intérêts d&apos;un compte d&apos;épargne.</translation>
    </message>
    <message>
        <source>The same rate after inflation: above zero, your savings beat inflation. For all investments, every sum is counted in prices of the first date by the price index chosen under View, Price Index.</source>
        <translation>Le même taux après inflation&#xa0;: au-dessus de zéro, votre épargne a battu l&apos;inflation. Pour tous les placements, chaque somme est exprimée aux prix de la première date selon l&apos;indice des prix choisi sous Affichage, Indice des prix.</translation>
    </message>
    <message>
        <source>Investment record %1: Enter or a double click shows it in the main window.</source>
        <extracomment>%1 the investment&apos;s number</extracomment>
        <translation>Placement %1&#xa0;: Entrée ou un double-clic l&apos;affiche dans la fenêtre principale.</translation>
    </message>
</context>
<context>
    <name>PortfolioWindow</name>
    <message>
        <source>Every investment&apos;s returns, nominal and after inflation, and those of all of them</source>
        <translation>Les rendements de chaque placement, nominaux et après inflation, et ceux de tous ensemble</translation>
    </message>
    <message>
        <source>Save the table&apos;s figures as a CSV file, as plumbline-export --returns writes them</source>
        <translation>Enregistrer les chiffres du tableau dans un fichier CSV, tels que les écrit plumbline-export --returns</translation>
    </message>
    <message>
        <source>Open the user guide, whose section Returns explains the figures (F1)</source>
        <translation>Ouvrir le guide de l&apos;utilisateur, dont la section Rendements explique les chiffres (F1)</translation>
    </message>
    <message>
        <source>Returns of each investment</source>
        <translation>Rendements de chaque placement</translation>
    </message>
    <message>
        <source>One row per investment and a last row for all of them; Enter shows the investment in the main window</source>
        <translation>Une ligne par placement et une dernière ligne pour tous ensemble&#xa0;; Entrée affiche le placement dans la fenêtre principale</translation>
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
        <translation>Pourquoi il n&apos;y a pas de tableau</translation>
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
        <source>The data history cannot be read: line %1 of &quot;%2&quot; gives error %3 (%4).</source>
        <translation>L&apos;historique des données ne peut pas être lu&#xa0;: la ligne %1 de «&#xa0;%2&#xa0;» donne l&apos;erreur %3 (%4).</translation>
    </message>
    <message>
        <source>The data history &quot;%1&quot; cannot be read: error %2 (%3).</source>
        <translation>L&apos;historique des données «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: erreur %2 (%3).</translation>
    </message>
    <message>
        <source>The data files in &quot;%1&quot; cannot be read: error %2 (%3).</source>
        <translation>Les fichiers de données de «&#xa0;%1&#xa0;» ne peuvent pas être lus&#xa0;: erreur %2 (%3).</translation>
    </message>
    <message>
        <source>There are no investments yet. Add one with the New Investment Record command of the main window.</source>
        <translation>Il n&apos;y a encore aucun placement. Ajoutez-en un avec la commande Nouveau placement de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Portfolio: Did My Savings Beat Inflation?</source>
        <translation>Portefeuille&#xa0;: mon épargne a-t-elle battu l&apos;inflation&#xa0;?</translation>
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
        <translation>Ouvre le guide de l&apos;utilisateur, dont la section «&#xa0;Rendements&#xa0;» explique comment chaque chiffre est calculé (F1).</translation>
    </message>
    <message>
        <source>No figure after inflation for all investments: %1</source>
        <translation>Aucun chiffre après inflation pour tous les placements&#xa0;: %1</translation>
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
        <source>The user guide &quot;%1&quot; could not be opened. Its section “Returns” explains these figures.</source>
        <translation>Le guide de l&apos;utilisateur «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert. Sa section «&#xa0;Rendements&#xa0;» explique ces chiffres.</translation>
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
        <translation>%1 commence en %2&#xa0;; %3 est antérieur.</translation>
    </message>
    <message>
        <source>%1 ends in %2; %3 is after it.</source>
        <translation>%1 se termine en %2&#xa0;; %3 est postérieur.</translation>
    </message>
    <message>
        <source>%1: one quarterly value covers both dates (%2).</source>
        <translation>%1&#xa0;: une seule valeur trimestrielle couvre les deux dates (%2).</translation>
    </message>
    <message>
        <source>%1 has no value for %2.</source>
        <translation>%1 n&apos;a pas de valeur pour %2.</translation>
    </message>
    <message>
        <source>%1: the rate from %2 to %3 is too large to show.</source>
        <translation>%1&#xa0;: le taux de %2 à %3 est trop grand pour être affiché.</translation>
    </message>
    <message>
        <source>line %1: unknown kind &quot;%2&quot;</source>
        <translation>ligne %1&#xa0;: type «&#xa0;%2&#xa0;» inconnu</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a period and a value</source>
        <translation>ligne %1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas une période suivie d&apos;une valeur</translation>
    </message>
    <message>
        <source>line %1: %2 appears twice</source>
        <translation>ligne %1&#xa0;: %2 apparaît deux fois</translation>
    </message>
    <message>
        <source>not a price index file (name, kind or data missing)</source>
        <translation>ce n&apos;est pas un fichier d&apos;indice des prix (nom, type ou données manquants)</translation>
    </message>
    <message>
        <source>The file is too large to be a price index (more than %1 MB).</source>
        <translation>Le fichier est trop volumineux pour être un indice des prix (plus de %1 Mo).</translation>
    </message>
    <message>
        <source>Line %1: the date &quot;%2&quot; is not in the form YYYY-MM or YYYY-MM-DD.</source>
        <translation>Ligne %1&#xa0;: la date «&#xa0;%2&#xa0;» n&apos;est pas de la forme AAAA-MM ou AAAA-MM-JJ.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a valid date.</source>
        <translation>Ligne %1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas une date valide.</translation>
    </message>
    <message>
        <source>Line %1: there is no value after the date.</source>
        <translation>Ligne %1&#xa0;: il n&apos;y a pas de valeur après la date.</translation>
    </message>
    <message>
        <source>Line %1: the value &quot;%2&quot; is not a number.</source>
        <translation>Ligne %1&#xa0;: la valeur «&#xa0;%2&#xa0;» n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Line %1: the value %2 is not above 0.</source>
        <translation>Ligne %1&#xa0;: la valeur %2 n&apos;est pas supérieure à 0.</translation>
    </message>
    <message>
        <source>Line %1: the month %2 appears again (first on line %3).</source>
        <translation>Ligne %1&#xa0;: le mois %2 apparaît de nouveau (une première fois à la ligne %3).</translation>
    </message>
    <message>
        <source>The file has no usable row: no line with a month (YYYY-MM or YYYY-MM-DD) and a value.</source>
        <translation>Le fichier n&apos;a aucune ligne utilisable&#xa0;: aucune ligne avec un mois (AAAA-MM ou AAAA-MM-JJ) et une valeur.</translation>
    </message>
    <message>
        <source>There is no price index named %1.</source>
        <translation>Il n&apos;y a pas d&apos;indice des prix nommé %1.</translation>
    </message>
    <message>
        <source>The price index %1 could not be read.</source>
        <translation>L&apos;indice des prix %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The price index file %1 is damaged: %2.</source>
        <translation>Le fichier d&apos;indice des prix %1 est endommagé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be used. A name has 1 to 40 letters, digits, &apos;-&apos;, &apos;_&apos; or &apos;.&apos;, and does not start with &apos;.&apos;.</source>
        <translation>Le nom «&#xa0;%1&#xa0;» ne peut pas être utilisé. Un nom compte de 1 à 40 lettres, chiffres, «&#xa0;-&#xa0;», «&#xa0;_&#xa0;» ou «&#xa0;.&#xa0;», et ne commence pas par «&#xa0;.&#xa0;».</translation>
    </message>
    <message>
        <source>%1 is the name of a price index that comes with Plumbline. Choose another name.</source>
        <translation>%1 est le nom d&apos;un indice des prix fourni avec Plumbline. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>The country &quot;%1&quot; is not a two-letter country code (such as CA or DE).</source>
        <translation>Le pays «&#xa0;%1&#xa0;» n&apos;est pas un code pays à deux lettres (comme CA ou DE).</translation>
    </message>
    <message>
        <source>%1 is not a plain folder; nothing was imported.</source>
        <translation>%1 n&apos;est pas un simple dossier&#xa0;; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; it was left as it is and nothing was imported.</source>
        <translation>%1 n&apos;est pas un simple fichier&#xa0;; il a été laissé tel quel et rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The price index could not be saved (error %1: %2). Nothing was changed.</source>
        <translation>L&apos;indice des prix n&apos;a pas pu être enregistré (erreur %1&#xa0;: %2). Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>no values</source>
        <extracomment>What periods a price index covers, when it holds none.</extracomment>
        <translation>aucune valeur</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>What periods a price index covers: %1 the first period, %2 the last (&quot;2001-01 to 2024-06&quot;).</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 past month changed</source>
        <extracomment>%1 is how many months&apos; values of the price index changed.</extracomment>
        <translation>%1 mois passé modifié</translation>
    </message>
    <message>
        <source>%1 past months changed</source>
        <extracomment>%1 is how many months&apos; values of the price index changed.</extracomment>
        <translation>%1 mois passés modifiés</translation>
    </message>
    <message>
        <source>%1 past quarter changed</source>
        <extracomment>%1 is how many quarters&apos; values of the price index changed.</extracomment>
        <translation>%1 trimestre passé modifié</translation>
    </message>
    <message>
        <source>%1 past quarters changed</source>
        <extracomment>%1 is how many quarters&apos; values of the price index changed.</extracomment>
        <translation>%1 trimestres passés modifiés</translation>
    </message>
    <message>
        <source>%1 past year changed</source>
        <extracomment>%1 is how many years&apos; values of the price index changed.</extracomment>
        <translation>%1 année passée modifiée</translation>
    </message>
    <message>
        <source>%1 past years changed</source>
        <extracomment>%1 is how many years&apos; values of the price index changed.</extracomment>
        <translation>%1 années passées modifiées</translation>
    </message>
    <message>
        <source>; a rate over 12 months changed by up to %1 points</source>
        <extracomment>Follows &quot;3 past months changed&quot;; %1 is the largest change in percentage points.</extracomment>
        <translation>; un taux sur 12 mois a changé de %1 points au plus</translation>
    </message>
</context>
<context>
    <name>PriceIndexDialog</name>
    <message>
        <source>Choose the price index the data record dialog suggests inflation rates from</source>
        <translation>Choisir l&apos;indice des prix d&apos;après lequel la fenêtre d&apos;enregistrement suggère des taux d&apos;inflation</translation>
    </message>
    <message>
        <source>What the chosen price index is used for</source>
        <translation>À quoi sert l&apos;indice des prix choisi</translation>
    </message>
    <message>
        <source>Find a series or country</source>
        <translation>Rechercher une série ou un pays</translation>
    </message>
    <message>
        <source>Show only the series whose name, title, frequency, coverage, publisher or country holds this text</source>
        <translation>N&apos;afficher que les séries dont le nom, le titre, la fréquence, la couverture, l&apos;éditeur ou le pays contient ce texte</translation>
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
        <translation>D&apos;où vient l&apos;indice des prix sélectionné&#xa0;: éditeur, unité et base, fréquence, couverture, date de relevé et mention de source</translation>
    </message>
    <message>
        <source>Price index files that could not be read</source>
        <translation>Fichiers d&apos;indice des prix qui n&apos;ont pas pu être lus</translation>
    </message>
    <message>
        <source>Use the selected price index and close (Enter)</source>
        <translation>Utiliser l&apos;indice des prix sélectionné et fermer (Entrée)</translation>
    </message>
    <message>
        <source>Close without a change (Esc)</source>
        <translation>Fermer sans rien changer (Échap)</translation>
    </message>
    <message>
        <source>Annual averages: a rate between two dates is spread over the days of each year.</source>
        <translation>Moyennes annuelles&#xa0;: un taux entre deux dates est réparti sur les jours de chaque année.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Printer error</source>
        <translation>Erreur d&apos;imprimante</translation>
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
        <translation>Dossier de données&#xa0;: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>%1 and %2 page numbers</extracomment>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column heading: %1 the investment&apos;s number, %2 its type or its institution</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>A column heading: %1 the investment&apos;s number, %2 its type, %3 its institution</extracomment>
        <translation>%1&#xa0;: %2, %3</translation>
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
        <source>Per year, in percent, over each investment&apos;s counted records (both amounts above zero). Time-weighted: the returns between records (money added counted at mid-interval) chained together, how the investment itself did whatever was put in or taken out. Money-weighted: the yearly rate at which the money put in, the money taken out and the last current amount come to nothing, how the money in it did. After inflation: less the inflation rates of the records. A span under a year has no figure per year; each investment&apos;s page gives its figures in all.</source>
        <translation>Par an, en pourcentage, sur les enregistrements comptés de chaque placement (deux montants supérieurs à zéro). Pondéré par le temps&#xa0;: les rendements entre enregistrements (l&apos;argent versé compté au milieu de la période) enchaînés, c&apos;est-à-dire comment le placement lui-même s&apos;est comporté, quoi qu&apos;on y ait versé ou retiré. Pondéré par les capitaux&#xa0;: le taux annuel auquel l&apos;argent versé, l&apos;argent retiré et le dernier montant actuel s&apos;annulent, c&apos;est-à-dire comment l&apos;argent placé s&apos;est comporté. Après inflation&#xa0;: déduction faite des taux d&apos;inflation des enregistrements. Une durée de moins d&apos;un an n&apos;a pas de chiffre par an&#xa0;; la page de chaque placement donne ses chiffres sur toute la durée.</translation>
    </message>
    <message>
        <source>All investments: money-weighted over every investment&apos;s money.</source>
        <translation>Tous les placements&#xa0;: pondéré par les capitaux sur l&apos;argent de tous les placements.</translation>
    </message>
    <message>
        <source>All investments: money-weighted over every investment&apos;s money, after inflation by the price index %1.</source>
        <translation>Tous les placements&#xa0;: pondéré par les capitaux sur l&apos;argent de tous les placements, après inflation selon l&apos;indice des prix %1.</translation>
    </message>
    <message>
        <source>What inflation took, year by year</source>
        <translation>Ce que l&apos;inflation a pris, année par année</translation>
    </message>
    <message>
        <source>The Loss To Inflation of the records dated in each calendar year, counted as Total Loss To Inflation counts it: records with an inflation rate only, so a loss carried by a record without a rate counts once. The Total row is each investment&apos;s Total Loss To Inflation. A blank: no record with an inflation rate that year.</source>
        <translation>La perte due à l&apos;inflation des enregistrements datés de chaque année civile, comptée comme la compte la perte totale due à l&apos;inflation&#xa0;: enregistrements avec taux d&apos;inflation uniquement, de sorte qu&apos;une perte reportée par un enregistrement sans taux ne compte qu&apos;une fois. La ligne Total est la perte totale due à l&apos;inflation de chaque placement. Une case vide&#xa0;: aucun enregistrement avec taux d&apos;inflation cette année-là.</translation>
    </message>
    <message>
        <source>No record has an inflation rate yet.</source>
        <translation>Aucun enregistrement n&apos;a encore de taux d&apos;inflation.</translation>
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
        <translation>Ce que l&apos;inflation a pris, année par année (placements %1 à %2)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Investment %1</source>
        <extracomment>%1 the investment&apos;s number</extracomment>
        <translation>Placement %1</translation>
    </message>
    <message>
        <source>Investment %1: %2</source>
        <extracomment>%1 the investment&apos;s number, %2 its type or its institution</extracomment>
        <translation>Placement %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Investment %1: %2, %3</source>
        <extracomment>%1 the investment&apos;s number, %2 its type, %3 its institution</extracomment>
        <translation>Placement %1&#xa0;: %2, %3</translation>
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
        <translation>Dernier montant d&apos;origine</translation>
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
        <translation>Perte totale due à l&apos;inflation</translation>
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
        <translation>Montant d&apos;origine</translation>
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
        <translation>Taux d&apos;inflation (%)</translation>
    </message>
    <message>
        <source>Loss To Inflation</source>
        <translation>Perte due à l&apos;inflation</translation>
    </message>
    <message>
        <source>Total, 1 investment</source>
        <extracomment>The summary&apos;s total row, under Type</extracomment>
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
        <source>The amounts and figures are those of each investment&apos;s last record with both amounts above zero, as its row shows them: Profit/Loss is its Current Amount less its Original Amount; Current Amount AFI and Profit/Loss AFI are those of the last record with an inflation rate. Total Loss To Inflation adds up the loss of every record that has an inflation rate; a record without a rate carries the loss before it and adds nothing, and a record with an amount of zero or less is left out.</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Les montants et les chiffres sont ceux du dernier enregistrement de chaque placement dont les deux montants sont supérieurs à zéro, tels que sa ligne les affiche&#xa0;: le gain/perte est son montant actuel moins son montant d&apos;origine&#xa0;; le montant actuel corrigé de l&apos;inflation et le gain/perte corrigé(e) de l&apos;inflation sont ceux du dernier enregistrement ayant un taux d&apos;inflation. La perte totale due à l&apos;inflation additionne la perte de chaque enregistrement ayant un taux d&apos;inflation&#xa0;; un enregistrement sans taux reporte la perte précédente et n&apos;ajoute rien, et un enregistrement dont un montant est nul ou négatif est laissé de côté.</translation>
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
        <extracomment>The PDF document&apos;s title; %1 a date</extracomment>
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
        <translation>Fermer sans écrire de rapport, ou arrêter l&apos;écriture du rapport (Échap)</translation>
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
        <source>Plumbline keeps your data as it was before each change. Choose a version and click Restore to make it your data again; Edit, Undo takes the restore back. Show opens a version&apos;s records in your spreadsheet program, and Save Records as CSV writes them to a file, without changing your data.</source>
        <translation>Plumbline conserve vos données telles qu&apos;elles étaient avant chaque modification. Choisissez une version et cliquez sur Restaurer pour en refaire vos données&#xa0;; Édition, Annuler revient sur la restauration. Afficher ouvre les enregistrements d&apos;une version dans votre tableur, et Enregistrer en CSV les écrit dans un fichier, sans modifier vos données.</translation>
    </message>
    <message>
        <source>No earlier versions are kept yet: each change you make from now on keeps the state before it.</source>
        <translation>Aucune version antérieure n&apos;est encore conservée&#xa0;: chaque modification que vous ferez désormais conservera l&apos;état qui la précède.</translation>
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
        <translation>La plus récente d&apos;abord&#xa0;: quand chaque modification a été faite, en quoi elle consistait, les placements et enregistrements que contient cette version, et laquelle est l&apos;actuelle</translation>
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
        <source>Make the version of %1 your data again?<byte value="xd"/>
%2<byte value="xd"/>
Your data as it is now is kept: Edit, Undo brings it back.</source>
        <extracomment>%1 is the time of the version, %2 the change made then</extracomment>
        <translation>Refaire de la version du %1 vos données&#xa0;?<byte value="xd"/>
%2<byte value="xd"/>
Vos données actuelles sont conservées&#xa0;: Édition, Annuler les ramène.</translation>
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
        <source>The desktop has no program to show CSV files. Save Records as CSV writes the version&apos;s records to a file of your choice.</source>
        <translation>Le bureau n&apos;a aucun programme pour afficher les fichiers CSV. Enregistrer en CSV écrit les enregistrements de la version dans le fichier de votre choix.</translation>
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
        <translation>l&apos;enregistrement %1 est daté d&apos;avant l&apos;enregistrement qui le précède</translation>
    </message>
    <message>
        <source>record %1 leaves no money in the investment to measure a return on</source>
        <translation>l&apos;enregistrement %1 ne laisse aucun argent dans le placement sur lequel mesurer un rendement</translation>
    </message>
    <message>
        <source>record %1 has no inflation rate</source>
        <translation>l&apos;enregistrement %1 n&apos;a pas de taux d&apos;inflation</translation>
    </message>
    <message>
        <source>record %1 has an inflation rate at or below -100 %</source>
        <translation>l&apos;enregistrement %1 a un taux d&apos;inflation inférieur ou égal à -100 %</translation>
    </message>
    <message>
        <source>fewer than two records with both amounts above zero</source>
        <translation>moins de deux enregistrements avec les deux montants supérieurs à zéro</translation>
    </message>
    <message>
        <source>the records span less than a year</source>
        <translation>les enregistrements couvrent moins d&apos;un an</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>%1 is the name of a price index</extracomment>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>series %1</source>
        <translation>série %1</translation>
    </message>
    <message>
        <source>no investment has figures of its own</source>
        <translation>aucun placement n&apos;a ses propres chiffres</translation>
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
        <translation>Aucun rendement ne peut être donné&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3, after inflation %4 in all (time-weighted); no figure per year: %5</source>
        <extracomment>%3 the return, %4 the return after inflation, %5 why there is no figure per year</extracomment>
        <translation>Depuis le %1 (%2 ans)&#xa0;: %3, après inflation %4 au total (pondéré par le temps)&#xa0;; aucun chiffre par an&#xa0;: %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 in all (time-weighted); no figure per year: %4; no figure after inflation: %5</source>
        <extracomment>%3 the return, %4 why there is no figure per year, %5 why there is none after inflation</extracomment>
        <translation>Depuis le %1 (%2 ans)&#xa0;: %3 au total (pondéré par le temps)&#xa0;; aucun chiffre par an&#xa0;: %4&#xa0;; aucun chiffre après inflation&#xa0;: %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year, after inflation %4 a year (time-weighted); money-weighted: %5</source>
        <extracomment>%3 and %4 returns a year before and after inflation, %5 why there is no money-weighted return</extracomment>
        <translation>Depuis le %1 (%2 ans)&#xa0;: %3 par an, après inflation %4 par an (pondéré par le temps)&#xa0;; pondéré par les capitaux&#xa0;: %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year, after inflation %4 a year (time-weighted); money-weighted %5 and %6</source>
        <extracomment>%3 and %4 time-weighted returns a year before and after inflation, %5 and %6 money-weighted ones</extracomment>
        <translation>Depuis le %1 (%2 ans)&#xa0;: %3 par an, après inflation %4 par an (pondéré par le temps)&#xa0;; pondéré par les capitaux %5 et %6</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year, after inflation %4 a year (time-weighted); money-weighted %5 (after inflation: %6)</source>
        <extracomment>%3 and %4 time-weighted returns a year before and after inflation, %5 the money-weighted one, %6 why there is none after inflation</extracomment>
        <translation>Depuis le %1 (%2 ans)&#xa0;: %3 par an, après inflation %4 par an (pondéré par le temps)&#xa0;; pondéré par les capitaux %5 (après inflation&#xa0;: %6)</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year (time-weighted; no figure after inflation: %4); money-weighted: %5</source>
        <extracomment>%3 the return a year, %4 why there is none after inflation, %5 why there is no money-weighted one</extracomment>
        <translation>Depuis le %1 (%2 ans)&#xa0;: %3 par an (pondéré par le temps&#xa0;; aucun chiffre après inflation&#xa0;: %4)&#xa0;; pondéré par les capitaux&#xa0;: %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year (time-weighted; no figure after inflation: %4); money-weighted %5 and %6</source>
        <extracomment>%3 the time-weighted return a year, %4 why there is none after inflation, %5 and %6 money-weighted returns before and after inflation</extracomment>
        <translation>Depuis le %1 (%2 ans)&#xa0;: %3 par an (pondéré par le temps&#xa0;; aucun chiffre après inflation&#xa0;: %4)&#xa0;; pondéré par les capitaux %5 et %6</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year (time-weighted; no figure after inflation: %4); money-weighted %5</source>
        <extracomment>%3 the time-weighted return a year, %4 why there is none after inflation, %5 the money-weighted return</extracomment>
        <translation>Depuis le %1 (%2 ans)&#xa0;: %3 par an (pondéré par le temps&#xa0;; aucun chiffre après inflation&#xa0;: %4)&#xa0;; pondéré par les capitaux %5</translation>
    </message>
    <message>
        <source>All investments</source>
        <extracomment>Caption of the chart of the whole portfolio over time.</extracomment>
        <translation>Tous les placements</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error %1: %2</source>
        <extracomment>%1 is the error&apos;s number, %2 its description</extracomment>
        <translation>Erreur d&apos;exécution %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Error Number:%1<byte value="xd"/>
%2</source>
        <extracomment>The standard error box: %1 is the error&apos;s number (no blank before it), %2 its description</extracomment>
        <translation>Numéro d&apos;erreur&#xa0;:%1<byte value="xd"/>
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
        <translation>Mode d&apos;accès au fichier incorrect</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Fichier déjà ouvert</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Erreur d&apos;entrée/sortie sur le périphérique</translation>
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
        <translation>Numéro d&apos;enregistrement incorrect</translation>
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
        <translation>Erreur d&apos;accès au chemin/fichier</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l&apos;application ou par l&apos;objet</translation>
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
        <translation>Copier le type ou l&apos;établissement du placement</translation>
    </message>
    <message>
        <source>Delete the shown investment and all of its data records</source>
        <translation>Supprimer le placement affiché et tous ses enregistrements</translation>
    </message>
    <message>
        <source>Open the instructions (F1)</source>
        <translation>Ouvrir le mode d&apos;emploi (F1)</translation>
    </message>
    <message>
        <source>Open the chart of the shown investment&apos;s amount against its amount adjusted for inflation (Ctrl+G)</source>
        <translation>Ouvrir le graphique du montant du placement affiché face à son montant corrigé de l&apos;inflation (Ctrl+G)</translation>
    </message>
    <message>
        <source>Open the returns of every investment and of all of them, nominal and after inflation (Ctrl+Shift+G)</source>
        <translation>Ouvrir les rendements de chaque placement et de tous ensemble, nominaux et après inflation (Ctrl+Maj+G)</translation>
    </message>
    <message>
        <source>Toolbar button: %1</source>
        <extracomment>%1 says what the toolbar button does</extracomment>
        <translation>Bouton de la barre d&apos;outils&#xa0;: %1</translation>
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
        <source>Read the data folder &lt;dir&gt; instead of the program&apos;s own.</source>
        <translation>Lire le dossier de données &lt;dir&gt; au lieu de celui du programme.</translation>
    </message>
    <message>
        <source>dir</source>
        <extracomment>A placeholder in the help for what is given after an option or the program&apos;s name; keep it as the descriptions call it (&quot;&lt;dir&gt;&quot;).</extracomment>
        <translation>dir</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>A placeholder in the help for what is given after an option or the program&apos;s name; keep it as the descriptions call it (&quot;&lt;name&gt;&quot;).</extracomment>
        <translation>name</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (see --help)</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;» (voir --help)</translation>
    </message>
    <message>
        <source>data folder &quot;%1&quot; does not exist</source>
        <translation>le dossier de données «&#xa0;%1&#xa0;» n&apos;existe pas</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: error %2: %3</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: erreur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>there is no investment %1 in &quot;%2&quot; (it holds %3)</source>
        <translation>il n&apos;y a pas de placement %1 dans «&#xa0;%2&#xa0;» (il contient %3)</translation>
    </message>
    <message>
        <source>error %1: %2</source>
        <translation>erreur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>type</source>
        <extracomment>A placeholder in the help for what is given after an option or the program&apos;s name; keep it as the descriptions call it (&quot;&lt;type&gt;&quot;).</extracomment>
        <translation>type</translation>
    </message>
    <message>
        <source>form</source>
        <extracomment>A placeholder in the help for what is given after an option or the program&apos;s name; keep it as the descriptions call it (&quot;&lt;form&gt;&quot;).</extracomment>
        <translation>form</translation>
    </message>
    <message>
        <source>Use the data folder &lt;dir&gt; instead of the program&apos;s own.</source>
        <translation>Utiliser le dossier de données &lt;dir&gt; au lieu de celui du programme.</translation>
    </message>
    <message>
        <source>command</source>
        <extracomment>A placeholder in the help for the first argument; the description under &quot;Arguments&quot; lists the commands.</extracomment>
        <translation>command</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>A placeholder in the help for what is given after an option or the program&apos;s name; keep it as the descriptions call it (&quot;&lt;file&gt;&quot;).</extracomment>
        <translation>file</translation>
    </message>
</context>
<context>
    <name>Versions</name>
    <message>
        <source>Add Investment</source>
        <translation>Ajout d&apos;un placement</translation>
    </message>
    <message>
        <source>Edit Investment</source>
        <translation>Modification d&apos;un placement</translation>
    </message>
    <message>
        <source>Delete Investment</source>
        <translation>Suppression d&apos;un placement</translation>
    </message>
    <message>
        <source>Add Record</source>
        <translation>Ajout d&apos;un enregistrement</translation>
    </message>
    <message>
        <source>Insert Record</source>
        <translation>Insertion d&apos;un enregistrement</translation>
    </message>
    <message>
        <source>Edit Record</source>
        <translation>Modification d&apos;un enregistrement</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>Suppression d&apos;un enregistrement</translation>
    </message>
    <message>
        <source>Import Records</source>
        <translation>Importation d&apos;enregistrements</translation>
    </message>
    <message>
        <source>Fill In Rates</source>
        <translation>Complément des taux</translation>
    </message>
    <message>
        <source>Restore Version</source>
        <translation>Restauration d&apos;une version</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restauration d&apos;une sauvegarde</translation>
    </message>
    <message>
        <source>Changes Made Outside Plumbline</source>
        <translation>Modifications faites hors de Plumbline</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;</source>
        <extracomment>%1 is the change, as &quot;Delete Investment&quot;, %2 the investment&apos;s name</extracomment>
        <translation>%1 «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>record %1 (%2)</source>
        <extracomment>%1 is a record&apos;s number, %2 its date</extracomment>
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
        <extracomment>%1 is a record, as &quot;record 3 (1/2/2024)&quot;, %2 an investment</extracomment>
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
        <translation>La version du %1 ne peut pas être restaurée&#xa0;: ses fichiers ont été modifiés après sa conservation, probablement par une copie plus ancienne de Plumbline qui écrivait dans l&apos;historique des données.</translation>
    </message>
    <message>
        <source>There is no change to undo.</source>
        <translation>Il n&apos;y a aucune modification à annuler.</translation>
    </message>
    <message>
        <source>There is no change to redo.</source>
        <translation>Il n&apos;y a aucune modification à rétablir.</translation>
    </message>
    <message>
        <source>There is no version %1.</source>
        <translation>Il n&apos;y a pas de version %1.</translation>
    </message>
    <message>
        <source>The change &quot;%1&quot;, under way when Plumbline stopped, was made and is kept as a version.</source>
        <translation>La modification «&#xa0;%1&#xa0;», en cours quand Plumbline s&apos;est arrêté, a été faite et est conservée comme version.</translation>
    </message>
    <message>
        <source>The change &quot;%1&quot;, under way when Plumbline stopped, was not made.</source>
        <translation>La modification «&#xa0;%1&#xa0;», en cours quand Plumbline s&apos;est arrêté, n&apos;a pas été faite.</translation>
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
        <source>The folder &quot;%1&quot; for the versions of the data files cannot be created, so this change cannot be undone.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» des versions des fichiers de données ne peut pas être créé&#xa0;; cette modification ne pourra donc pas être annulée.</translation>
    </message>
    <message>
        <source>The folder of kept versions &quot;%1&quot; cannot be used (%2) and cannot be moved aside; changes are not kept as versions until it is removed.</source>
        <translation>Le dossier des versions conservées «&#xa0;%1&#xa0;» ne peut pas être utilisé (%2) ni être mis de côté&#xa0;; les modifications ne sont plus conservées comme versions tant qu&apos;il n&apos;est pas supprimé.</translation>
    </message>
    <message>
        <source>The folder of kept versions could not be used (%1). It was moved to &quot;%2&quot;, and versions are kept anew from now on.</source>
        <translation>Le dossier des versions conservées n&apos;a pas pu être utilisé (%1). Il a été déplacé vers «&#xa0;%2&#xa0;», et les versions sont de nouveau conservées à partir de maintenant.</translation>
    </message>
    <message>
        <source>its entry &quot;%1&quot; cannot be read</source>
        <translation>son entrée «&#xa0;%1&#xa0;» ne peut pas être lue</translation>
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
        <source>&quot;%1&quot; is the data folder Plumbline 3.5 works with, not a backup.<byte value="xd"/>
Choose the folder your backup copies are in.</source>
        <translation>«&#xa0;%1&#xa0;» est le dossier de données qu&apos;utilise Plumbline 3.5, pas une sauvegarde.<byte value="xd"/>
Choisissez le dossier où se trouvent vos copies de sauvegarde.</translation>
    </message>
    <message>
        <source>The backup in &quot;%1&quot; cannot be restored:<byte value="xd"/>
%2<byte value="xd"/>
Your data files are unchanged.</source>
        <translation>La sauvegarde de «&#xa0;%1&#xa0;» ne peut pas être restaurée&#xa0;:<byte value="xd"/>
%2<byte value="xd"/>
Vos fichiers de données n&apos;ont pas été modifiés.</translation>
    </message>
    <message>
        <source>The backup in &quot;%1&quot; holds %2.<byte value="xd"/>
Make it your data? Your data as it is now is kept: Edit, Undo brings it back.</source>
        <translation>La sauvegarde de «&#xa0;%1&#xa0;» contient %2.<byte value="xd"/>
En faire vos données&#xa0;? Vos données actuelles sont conservées&#xa0;: Édition, Annuler les ramène.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 could not check the earlier versions of your data it keeps:<byte value="xd"/>
%1<byte value="xd"/>
Your data files are unchanged. Undo may not be offered until this is put right.</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Plumbline 3.5 n&apos;a pas pu vérifier les versions antérieures de vos données qu&apos;il conserve&#xa0;:<byte value="xd"/>
%1<byte value="xd"/>
Vos fichiers de données n&apos;ont pas été modifiés. L&apos;annulation peut ne pas être proposée tant que ce problème n&apos;est pas réglé.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <extracomment>%1 is the change, as &quot;Delete Investment &apos;Savings&apos;&quot;</extracomment>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>%1 is the change, as &quot;Delete Investment &apos;Savings&apos;&quot;</extracomment>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>Restore Earlier &amp;Version…</source>
        <translation>Restaurer une &amp;version antérieure…</translation>
    </message>
    <message>
        <source>Restore from Bac&amp;kup…</source>
        <translation>Restaurer une sauve&amp;garde…</translation>
    </message>
    <message>
        <source>The records are not saved in the data folder; choose another folder.</source>
        <translation>Les enregistrements ne sont pas enregistrés dans le dossier de données&#xa0;; choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>%1 (line %2 of the version&apos;s data records)</source>
        <extracomment>%1 is the reason, %2 a line number</extracomment>
        <translation>%1 (ligne %2 des enregistrements de la version)</translation>
    </message>
    <message>
        <source>before %1</source>
        <extracomment>Stands for %1 in &quot;The version of %1 cannot be restored&quot;; %1 here is a date and time.</extracomment>
        <translation>dernier état avant le %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, record %2: the record is damaged.</source>
        <extracomment>%1 is the investment file, %2 a record&apos;s number.</extracomment>
        <translation>« %1 », enregistrement %2 : l&apos;enregistrement est endommagé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, record %2: the record is cut short.</source>
        <extracomment>%1 is the investment file, %2 a record&apos;s number.</extracomment>
        <translation>« %1 », enregistrement %2 : l&apos;enregistrement est tronqué.</translation>
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
        <translation>Copie&#xa0;:</translation>
    </message>
    <message>
        <source>In (Path):</source>
        <translation>Vers&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Copier</translation>
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
        <source>There is no disk in the drive.<byte value="xd"/>
Please insert one and try again</source>
        <translation>Il n&apos;y a pas de disque dans le lecteur.<byte value="xd"/>
Veuillez en insérer un et réessayer</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.<byte value="xd"/>
Please type the path of an existing folder and try again.</source>
        <extracomment>%1 is the folder path the user typed</extracomment>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;existe pas.<byte value="xd"/>
Veuillez taper le chemin d&apos;un dossier existant et réessayer.</translation>
    </message>
    <message>
        <source>The backup copy cannot be written over the program&apos;s own data file.<byte value="xd"/>
Please choose another folder.</source>
        <translation>La copie de sauvegarde ne peut pas remplacer le fichier de données du programme.<byte value="xd"/>
Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is the program&apos;s own data folder; the backup copies cannot go there.<byte value="xd"/>
Please choose another folder.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» est le dossier de données du programme&#xa0;; les copies de sauvegarde ne peuvent pas y aller.<byte value="xd"/>
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
        <translation>Ce qu&apos;il faut taper dans la zone</translation>
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
        <translation>Vous n&apos;avez pas saisi de mot de passe. Veuillez le faire.</translation>
    </message>
    <message>
        <source>No Entry</source>
        <translation>Aucune saisie</translation>
    </message>
    <message>
        <source>Sorry, the password you&apos;ve entered is incorrect.</source>
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
        <translation>Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>The instructions; read them with the arrow keys</source>
        <translation>Le mode d&apos;emploi&#xa0;; lisez-le avec les touches fléchées</translation>
    </message>
    <message>
        <source>Close the instructions</source>
        <translation>Fermer le mode d&apos;emploi</translation>
    </message>
    <message>
        <source>Files containing the Investment records and the Data records are kept in the program folder, C:\Program Files\Plumbline 3.5. They must stay there: if they are moved or renamed, Plumbline does not find them and starts again with new, empty files. To keep a copy of your data in a safe place, choose Backup Data Files from the File menu. The dialog first offers the main file, PlumblineData, to be copied to drive A unless you type another path; click Save to copy it, then Exit,
and the form changes to offer the file that holds all the Data records, PlDataHist.txt (the Data records of all your investments are kept together in this one text file). Again you may change the path; click Save, then Exit to leave the dialog.</source>
        <translation>Les fichiers contenant les placements et les enregistrements sont conservés dans le dossier du programme, C:\Program Files\Plumbline 3.5. Ils doivent y rester&#xa0;: s&apos;ils sont déplacés ou renommés, Plumbline ne les trouve plus et repart avec de nouveaux fichiers vides. Pour conserver une copie de vos données en lieu sûr, choisissez Sauvegarde des fichiers de données dans le menu Fichier. La fenêtre propose d&apos;abord de copier le fichier principal, PlumblineData, sur le lecteur A, sauf si vous tapez un autre chemin&#xa0;; cliquez sur Copier pour le copier, puis sur Quitter,
et la fenêtre propose alors le fichier qui contient tous les enregistrements, PlDataHist.txt (les enregistrements de tous vos placements sont conservés ensemble dans ce seul fichier texte). Là encore, vous pouvez changer le chemin&#xa0;; cliquez sur Copier, puis sur Quitter pour fermer la fenêtre.</translation>
    </message>
    <message>
        <source>Files containing the Investment records and the Data records are kept in the program&apos;s data folder, %1. They must stay there: if they are moved or renamed, Plumbline does not find them and starts again with new, empty files. To keep a copy of your data in a safe place, choose Backup Data Files from the File menu. The dialog first offers the main file, PlumblineData, to be copied to your home folder unless you type another path; click Save to copy it, then Exit,
and the form changes to offer the file that holds all the Data records, PlDataHist.txt (the Data records of all your investments are kept together in this one text file). Again you may change the path; click Save, then Exit to leave the dialog.</source>
        <extracomment>%1 is the path of the program&apos;s data folder</extracomment>
        <translation>Les fichiers contenant les placements et les enregistrements sont conservés dans le dossier de données du programme, %1. Ils doivent y rester&#xa0;: s&apos;ils sont déplacés ou renommés, Plumbline ne les trouve plus et repart avec de nouveaux fichiers vides. Pour conserver une copie de vos données en lieu sûr, choisissez Sauvegarde des fichiers de données dans le menu Fichier. La fenêtre propose d&apos;abord de copier le fichier principal, PlumblineData, dans votre dossier personnel, sauf si vous tapez un autre chemin&#xa0;; cliquez sur Copier pour le copier, puis sur Quitter,
et la fenêtre propose alors le fichier qui contient tous les enregistrements, PlDataHist.txt (les enregistrements de tous vos placements sont conservés ensemble dans ce seul fichier texte). Là encore, vous pouvez changer le chemin&#xa0;; cliquez sur Copier, puis sur Quitter pour fermer la fenêtre.</translation>
    </message>
    <message>
        <source>PLUMBLINE 3.5  INSTRUCTIONS</source>
        <translation>MODE D&apos;EMPLOI DE PLUMBLINE 3.5</translation>
    </message>
    <message>
        <source>Welcome to Plumbline 3.5. Before you enter any data, decide whether the program should be protected by a password. Choose Password from the File menu: there you can set a password that will be asked for every time Plumbline starts, change the password you already have, or tick No Password to turn the protection off.</source>
        <translation>Bienvenue dans Plumbline 3.5. Avant de saisir des données, décidez si le programme doit être protégé par un mot de passe. Choisissez Mot de passe dans le menu Fichier&#xa0;: vous pouvez y définir un mot de passe qui sera demandé à chaque démarrage de Plumbline, changer le mot de passe que vous avez déjà, ou cocher Non pour désactiver la protection.</translation>
    </message>
    <message>
        <source>The Plumbline 3.5 main form is divided into two main areas. Your investment records are shown, one at a time, in the yellow boxes at the top of the form, and the numeric records that belong to the investment shown are listed in the Data Grid below them. To create your first investment record, click the &apos;Add New&apos; button in the top group of buttons.</source>
        <translation>La fenêtre principale de Plumbline 3.5 est divisée en deux grandes zones. Vos placements sont affichés un par un dans les zones jaunes en haut de la fenêtre, et les enregistrements chiffrés du placement affiché sont listés dans la grille de données en dessous. Pour créer votre premier placement, cliquez sur le bouton «&#xa0;Nouveau&#xa0;» du groupe de boutons du haut.</translation>
    </message>
    <message>
        <source>The Investment entry form will appear, ready for you to type in the TYPE OF INVESTMENT: for example a mutual fund, a stock, a bond, a CD or a savings account. This is the one box that must be filled in; if you click Done while it is empty, Plumbline asks you to make an entry.</source>
        <translation>La fenêtre du placement apparaît, prête pour que vous tapiez le TYPE DE PLACEMENT&#xa0;: par exemple un fonds commun de placement, une action, une obligation, un dépôt à terme ou un compte d&apos;épargne. C&apos;est la seule zone à remplir obligatoirement&#xa0;; si vous cliquez sur Terminé alors qu&apos;elle est vide, Plumbline vous demande de faire une saisie.</translation>
    </message>
    <message>
        <source>Tab over to the INSTITUTION box and type the name of the bank, broker or fund company that holds the investment. This box is optional and may be left empty. Click Done or press the Enter key to save the record; you are taken back to the main form, which now shows your new investment at the top.</source>
        <translation>Passez avec Tab à la zone ÉTABLISSEMENT et tapez le nom de la banque, du courtier ou de la société de gestion qui détient le placement. Cette zone est facultative et peut rester vide. Cliquez sur Terminé ou appuyez sur Entrée pour enregistrer le placement&#xa0;; vous revenez à la fenêtre principale, qui affiche maintenant votre nouveau placement en haut.</translation>
    </message>
    <message>
        <source>Now go down to the buttons on the bottom of the form and click &apos;Add New&apos; to create the first Data record of this investment. In the DATE box type the date of the record, or just press the Tab key and today&apos;s date is entered for you. In the ORIGINAL AMOUNT box type the amount you invested. Never type commas into any of the amount boxes: the commas are inserted automatically. Leave the INFLATION RATE box empty in this first record. In the CURRENT AMOUNT box type what the investment is worth now; for a new investment you may simply copy the original amount into it. Every box except the inflation rate must be filled in.</source>
        <translation>Descendez maintenant aux boutons du bas de la fenêtre et cliquez sur «&#xa0;Ajouter&#xa0;» pour créer le premier enregistrement de ce placement. Dans la zone DATE, tapez la date de l&apos;enregistrement, ou appuyez simplement sur Tab et la date du jour est saisie pour vous. Dans la zone MONTANT D&apos;ORIGINE, tapez le montant que vous avez placé. Ne tapez jamais de séparateur de milliers dans les zones de montant&#xa0;: ils sont insérés automatiquement. Laissez vide la zone TAUX D&apos;INFLATION dans ce premier enregistrement. Dans la zone MONTANT ACTUEL, tapez ce que vaut le placement aujourd&apos;hui&#xa0;; pour un nouveau placement, vous pouvez simplement y recopier le montant d&apos;origine. Toutes les zones sauf le taux d&apos;inflation doivent être remplies.</translation>
    </message>
    <message>
        <source>This is the way we suggest you start Plumbline with every investment. The first record is the starting point: there is no earlier record and so no interval yet for an inflation rate to cover, which is why none is entered. Click Done to save the record and return to the main form.</source>
        <translation>C&apos;est ainsi que nous vous conseillons de commencer chaque placement dans Plumbline. Le premier enregistrement est le point de départ&#xa0;: il n&apos;y a pas d&apos;enregistrement antérieur, donc pas encore de période que couvrirait un taux d&apos;inflation, c&apos;est pourquoi on n&apos;en saisit aucun. Cliquez sur Terminé pour enregistrer et revenir à la fenêtre principale.</translation>
    </message>
    <message>
        <source>It is in the Data Grid where you can see the figures Plumbline works out for each record. In the first record every figure beyond the values you entered is zero, as there is nothing yet to compare with. When you add later records, each with a new current amount and the inflation rate for the interval since the record before, the grid shows how the investment has done, including the figures adjusted for inflation (AFI). If prices fell during an interval, enter the deflation rate as a negative number.</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>C&apos;est dans la grille de données que vous voyez les chiffres que Plumbline calcule pour chaque enregistrement. Dans le premier enregistrement, tous les chiffres autres que les valeurs saisies sont à zéro, car il n&apos;y a encore rien à comparer. Quand vous ajoutez des enregistrements, chacun avec un nouveau montant actuel et le taux d&apos;inflation de la période écoulée depuis l&apos;enregistrement précédent, la grille montre comment le placement s&apos;est comporté, y compris les chiffres corrigés de l&apos;inflation (c. infl.). Si les prix ont baissé pendant une période, saisissez le taux de déflation comme un nombre négatif.</translation>
    </message>
    <message>
        <source>When creating new records for an investment, it is best to make them at regular intervals, such as once a year, once a quarter or once a month, so that each record covers a period for which an inflation rate is published. Such rates are published by the government&apos;s statistics office (in the United States the Bureau of Labor Statistics, with its Consumer Price Index) and can be found in newspapers, in libraries and on the Internet.</source>
        <translation>Quand vous créez de nouveaux enregistrements pour un placement, mieux vaut le faire à intervalles réguliers, une fois par an, par trimestre ou par mois par exemple, afin que chaque enregistrement couvre une période pour laquelle un taux d&apos;inflation est publié. Ces taux sont publiés par l&apos;office statistique de l&apos;État (en France l&apos;Insee, avec son indice des prix à la consommation&#xa0;; aux États-Unis le Bureau of Labor Statistics, avec son Consumer Price Index) et se trouvent dans la presse, en bibliothèque et sur Internet.</translation>
    </message>
    <message>
        <source>If you&apos;ve had an investment for several years, you can enter its history one year at a time. For each following year type the date one year after the previous record, leave the original amount as it was unless you added money to the investment or took some out, type the new current amount, and type the inflation rate for that interval. We recommend intervals that run from January to January.</source>
        <translation>Si vous détenez un placement depuis plusieurs années, vous pouvez saisir son historique année par année. Pour chaque année suivante, tapez la date un an après l&apos;enregistrement précédent, laissez le montant d&apos;origine tel quel sauf si vous avez versé ou retiré de l&apos;argent, tapez le nouveau montant actuel, puis le taux d&apos;inflation de cette période. Nous recommandons des périodes allant de janvier à janvier.</translation>
    </message>
    <message>
        <source>Notice that the INC/DEC number shows how much the current amount has gone up or down since the previous record; a decrease is shown in brackets. PROFIT/LOSS is the difference between the current amount and the original amount. INFLATION RATE is the rate you entered for the interval, and LOSS TO INFLATION is the part of the investment&apos;s value that inflation took away during that interval; when there was deflation it is negative, which means a gain.</source>
        <extracomment>INC/DEC = increase/decrease; the words in capitals are the Data Grid&apos;s column headings</extracomment>
        <translation>Remarquez que le chiffre HAUSSE/BAISSE indique de combien le montant actuel a monté ou baissé depuis l&apos;enregistrement précédent&#xa0;; une baisse est affichée entre parenthèses. GAIN/PERTE est la différence entre le montant actuel et le montant d&apos;origine. TAUX D&apos;INFLATION est le taux que vous avez saisi pour la période, et PERTE DUE À L&apos;INFLATION est la part de la valeur du placement que l&apos;inflation a emportée pendant cette période&#xa0;; en cas de déflation elle est négative, ce qui signifie un gain.</translation>
    </message>
    <message>
        <source>The next figure, CURRENT AMOUNT AFI, is the current amount adjusted for inflation: what the investment is really worth in the money of the first record, after all the inflation since then. PROFIT/LOSS AFI is the profit or loss counted in those adjusted amounts. A detailed explanation of the calculations is given in a separate explanation document in the program folder: %1.</source>
        <extracomment>AFI = adjusted for inflation; %1 is the path of the explanation document</extracomment>
        <translation>Le chiffre suivant, MONTANT ACTUEL CORRIGÉ DE L&apos;INFLATION, est le montant actuel corrigé de l&apos;inflation&#xa0;: ce que vaut réellement le placement en argent du premier enregistrement, après toute l&apos;inflation survenue depuis. GAIN/PERTE CORRIGÉ(E) DE L&apos;INFLATION est le gain ou la perte compté dans ces montants corrigés. Une explication détaillée des calculs se trouve dans un document séparé du dossier du programme&#xa0;: %1.</translation>
    </message>
    <message>
        <source>You can edit the basic information of an investment with the Edit button in the top group of buttons, and delete the investment with the Delete button beside it. Data records can be edited and deleted too. Take care: deleting an investment record deletes all of its Data records as well.</source>
        <translation>Vous pouvez modifier les informations de base d&apos;un placement avec le bouton Modifier du groupe de boutons du haut, et supprimer le placement avec le bouton Supprimer à côté. Les enregistrements peuvent aussi être modifiés et supprimés. Attention&#xa0;: supprimer un placement supprime aussi tous ses enregistrements.</translation>
    </message>
    <message>
        <source>To edit or delete a Data record, click Edit or Del Rec in the lower group of buttons, then click the box next to them; it takes the focus and turns blue. Pick the number of the record you want from the list that drops down.</source>
        <translation>Pour modifier ou supprimer un enregistrement, cliquez sur Modifier ou Suppr. dans le groupe de boutons du bas, puis cliquez sur la zone à côté&#xa0;; elle prend le focus et devient bleue. Choisissez le numéro de l&apos;enregistrement voulu dans la liste déroulante.</translation>
    </message>
    <message>
        <source>You can insert a new record within a group of Data records. Click Ins New, then choose from the drop-down list the record after which the new one is to come, and fill in the form as for any new record.</source>
        <translation>Vous pouvez insérer un nouvel enregistrement au milieu des enregistrements. Cliquez sur Insérer, choisissez dans la liste déroulante l&apos;enregistrement après lequel le nouveau doit venir, puis remplissez la fenêtre comme pour tout nouvel enregistrement.</translation>
    </message>
    <message>
        <source>You can also get a printout of your figures. Print prints one page of the Data Grid at a time, the page that is on the screen. When an investment has more records than fit on one page, PREVIOUS and NEXT page links appear to the right of the page number; move to the page you want and click Print again.</source>
        <translation>Vous pouvez aussi imprimer vos chiffres. Imprimer imprime une page de la grille de données à la fois, celle qui est à l&apos;écran. Quand un placement a plus d&apos;enregistrements que n&apos;en contient une page, des liens de page PRÉCÉDENTE et SUIVANTE apparaissent à droite du numéro de page&#xa0;; allez à la page voulue et cliquez de nouveau sur Imprimer.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 Instructions</source>
        <translation>Mode d&apos;emploi de Plumbline 3.5</translation>
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
        <translation>Les placements et leurs enregistrements, avec les chiffres calculés face à l&apos;inflation</translation>
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
        <translation>Type du placement affiché&#xa0;; sélectionnez-le et utilisez Édition, Copier pour le copier</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Établissement</translation>
    </message>
    <message>
        <source>Institution that holds the investment shown; select it and use Edit, Copy to copy it</source>
        <translation>Établissement qui détient le placement affiché&#xa0;; sélectionnez-le et utilisez Édition, Copier pour le copier</translation>
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
        <translation>Modifier le type et l&apos;établissement du placement affiché</translation>
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
        <translation>En-tête de colonne&#xa0;: numéro de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Column heading: date of the data record</source>
        <translation>En-tête de colonne&#xa0;: date de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Column heading: original amount</source>
        <translation>En-tête de colonne&#xa0;: montant d&apos;origine</translation>
    </message>
    <message>
        <source>Column heading: current amount</source>
        <translation>En-tête de colonne&#xa0;: montant actuel</translation>
    </message>
    <message>
        <source>Column heading: increase or decrease since the previous record</source>
        <translation>En-tête de colonne&#xa0;: hausse ou baisse depuis l&apos;enregistrement précédent</translation>
    </message>
    <message>
        <source>Column heading: profit or loss</source>
        <translation>En-tête de colonne&#xa0;: gain ou perte</translation>
    </message>
    <message>
        <source>Column heading: inflation rate in percent</source>
        <translation>En-tête de colonne&#xa0;: taux d&apos;inflation en pourcentage</translation>
    </message>
    <message>
        <source>Column heading: loss to inflation</source>
        <translation>En-tête de colonne&#xa0;: perte due à l&apos;inflation</translation>
    </message>
    <message>
        <source>Column heading: current amount adjusted for inflation</source>
        <translation>En-tête de colonne&#xa0;: montant actuel corrigé de l&apos;inflation</translation>
    </message>
    <message>
        <source>Column heading: profit or loss adjusted for inflation</source>
        <translation>En-tête de colonne&#xa0;: gain ou perte corrigé(e) de l&apos;inflation</translation>
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
        <source>Add a data record at the end of this investment&apos;s records</source>
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
        <translation>Supprimer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Delete the data record chosen in the record list</source>
        <translation>Supprimer l&apos;enregistrement choisi dans la liste des enregistrements</translation>
    </message>
    <message>
        <source>Data record number</source>
        <translation>Numéro d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Choose the data record to edit, insert before or delete</source>
        <translation>Choisir l&apos;enregistrement à modifier, avant lequel insérer ou à supprimer</translation>
    </message>
    <message>
        <source>Edit data record</source>
        <translation>Modifier l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Edit the data record chosen in the record list</source>
        <translation>Modifier l&apos;enregistrement choisi dans la liste des enregistrements</translation>
    </message>
    <message>
        <source>Print the page of the grid that is on screen</source>
        <translation>Imprimer la page de la grille qui est à l&apos;écran</translation>
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
        <translation>Copier le type ou l&apos;établissement du placement</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Instructions (F1)</source>
        <translation>Mode d&apos;emploi (F1)</translation>
    </message>
    <message>
        <source>Data Rec</source>
        <extracomment>Data Rec = data record number</extracomment>
        <translation>N° enr.</translation>
    </message>
    <message>
        <source>Number of the data record within its investment</source>
        <translation>Numéro de l&apos;enregistrement dans son placement</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Grid heading: the data record&apos;s date</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Date of the data record</source>
        <translation>Date de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Montant d&apos;origine</translation>
    </message>
    <message>
        <source>Amount originally invested</source>
        <translation>Montant placé à l&apos;origine</translation>
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
        <translation>Hausse ou baisse depuis l&apos;enregistrement précédent</translation>
    </message>
    <message>
        <source>Profit/Loss</source>
        <extracomment>Grid heading: profit or loss</extracomment>
        <translation>Gain/perte</translation>
    </message>
    <message>
        <source>Current amount less original amount</source>
        <translation>Montant actuel moins montant d&apos;origine</translation>
    </message>
    <message>
        <source>Inflation Rate (%)</source>
        <translation>Taux d&apos;inflation (%)</translation>
    </message>
    <message>
        <source>Inflation rate in percent since the previous record</source>
        <translation>Taux d&apos;inflation en pourcentage depuis l&apos;enregistrement précédent</translation>
    </message>
    <message>
        <source>Loss To Inflation</source>
        <translation>Perte due à l&apos;inflation</translation>
    </message>
    <message>
        <source>What inflation took from the amount since the previous record</source>
        <translation>Ce que l&apos;inflation a pris au montant depuis l&apos;enregistrement précédent</translation>
    </message>
    <message>
        <source>Current Amount AFI</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Montant actuel c. infl.</translation>
    </message>
    <message>
        <source>Current amount adjusted for inflation</source>
        <translation>Montant actuel corrigé de l&apos;inflation</translation>
    </message>
    <message>
        <source>Profit/Loss AFI</source>
        <extracomment>AFI = adjusted for inflation
----------
Grid heading; AFI = adjusted for inflation</extracomment>
        <translation>Gain/p. c. infl.</translation>
    </message>
    <message>
        <source>Profit or loss adjusted for inflation</source>
        <translation>Gain ou perte corrigé(e) de l&apos;inflation</translation>
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
        <source>Are you sure you want to Delete this record?<byte value="xd"/>
If you delete it, all the corresponding records<byte value="xd"/>
In it&apos;s data file will be<byte value="xd"/>
deleted too.</source>
        <translation>Voulez-vous vraiment supprimer ce placement&#xa0;?<byte value="xd"/>
Si vous le supprimez, tous les enregistrements<byte value="xd"/>
correspondants de son fichier de données seront<byte value="xd"/>
supprimés aussi.</translation>
    </message>
    <message>
        <source>There is no disk in the drive.<byte value="xd"/>
Please insert one and try again</source>
        <translation>Il n&apos;y a pas de disque dans le lecteur.<byte value="xd"/>
Veuillez en insérer un et réessayer</translation>
    </message>
    <message>
        <source>The investment delete could not be completed. Plumbline 3.5 completes it when it starts next time, and ends now.</source>
        <translation>La suppression du placement n&apos;a pas pu être achevée. Plumbline 3.5 l&apos;achèvera à son prochain démarrage et se ferme maintenant.</translation>
    </message>
    <message>
        <source>The data record&apos;s values could not be read.</source>
        <translation>Les valeurs de l&apos;enregistrement n&apos;ont pas pu être lues.</translation>
    </message>
    <message>
        <source>Investment Record #:</source>
        <translation>Placement n°&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;First</source>
        <extracomment>The buttons of the top row go through the investments; &quot;&amp;&quot; marks the access key</extracomment>
        <translation>&amp;Premier</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>Pré&amp;céd.</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <source>&amp;Last</source>
        <translation>&amp;Dernier</translation>
    </message>
    <message>
        <source>Add &amp;New</source>
        <extracomment>Adds a new investment (the data records&apos; button below is &quot;&amp;Add New&quot;)</extracomment>
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
        <translation>&amp;Suppr.</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>Caption before the number of the grid page shown</extracomment>
        <translation>Page</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Link to the grid&apos;s previous page</extracomment>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Link to the grid&apos;s next page</extracomment>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <extracomment>Adds a data record at the end of the investment&apos;s data</extracomment>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Ins New</source>
        <extracomment>Short for &quot;Insert New&quot;: inserts a data record after the one chosen</extracomment>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>Del &amp;Rec</source>
        <extracomment>Short for &quot;Delete Record&quot;: deletes the data record chosen</extracomment>
        <translation>S&amp;uppr.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>Edits the data record chosen</extracomment>
        <translation>M&amp;odifier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Imp&amp;rim.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Data</source>
        <extracomment>Grid heading, top line over &quot;Rec&quot; (the data record&apos;s number)</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Rec</source>
        <extracomment>Grid heading: the data record&apos;s number (abbreviation of &quot;Record&quot;), under &quot;Data&quot;</extracomment>
        <translation>enr.</translation>
    </message>
    <message>
        <source>Original</source>
        <extracomment>Grid heading, top line of &quot;Original Amount&quot;</extracomment>
        <translation>Initial</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>Grid heading, bottom line of &quot;Original Amount&quot; and of &quot;Current Amount&quot;</extracomment>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Current</source>
        <extracomment>Grid heading, top line of &quot;Current Amount&quot; and of &quot;Current Amount AFI&quot;</extracomment>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Inflation</source>
        <extracomment>Grid heading, top line of &quot;Inflation Rate (%)&quot; and bottom line of &quot;Loss To Inflation&quot;</extracomment>
        <translation>Inflation</translation>
    </message>
    <message>
        <source>Rate (%)</source>
        <extracomment>Grid heading, bottom line of &quot;Inflation Rate (%)&quot;</extracomment>
        <translation>Taux (%)</translation>
    </message>
    <message>
        <source>Loss To</source>
        <extracomment>Grid heading, top line of &quot;Loss To Inflation&quot;</extracomment>
        <translation>Perte</translation>
    </message>
    <message>
        <source>Amount AFI</source>
        <extracomment>Grid heading, bottom line of &quot;Current Amount AFI&quot;; AFI = adjusted for inflation</extracomment>
        <translation>Mont. c. infl.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; cannot be created.<byte value="xd"/>
Plumbline 3.5 cannot run without it and ends now.</source>
        <extracomment>%1 is the data folder&apos;s path</extracomment>
        <translation>Le dossier de données «&#xa0;%1&#xa0;» ne peut pas être créé.<byte value="xd"/>
Plumbline 3.5 ne peut pas fonctionner sans lui et se ferme maintenant.</translation>
    </message>
    <message>
        <source>The investment file &quot;%1&quot; in the data folder &quot;%2&quot; cannot be opened:<byte value="xd"/>
%3<byte value="xd"/>
Plumbline 3.5 cannot run without it and ends now.</source>
        <extracomment>%1 is the investment file&apos;s name, %2 the data folder&apos;s path, %3 the error&apos;s description</extracomment>
        <translation>Le fichier des placements «&#xa0;%1&#xa0;» du dossier de données «&#xa0;%2&#xa0;» ne peut pas être ouvert&#xa0;:<byte value="xd"/>
%3<byte value="xd"/>
Plumbline 3.5 ne peut pas fonctionner sans lui et se ferme maintenant.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 is already running and using the data folder &quot;%1&quot;.<byte value="xd"/>
Only one copy of the program can use it at a time; this copy ends now.</source>
        <extracomment>%1 is the data folder&apos;s path</extracomment>
        <translation>Plumbline 3.5 est déjà en cours d&apos;exécution et utilise le dossier de données «&#xa0;%1&#xa0;».<byte value="xd"/>
Une seule copie du programme peut l&apos;utiliser à la fois&#xa0;; cette copie se ferme maintenant.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; cannot be used: &quot;%2&quot; there is a folder, where Plumbline 3.5 keeps the file that shows it is running.<byte value="xd"/>
Move or rename that folder. Plumbline 3.5 ends now.</source>
        <extracomment>%1 is the data folder&apos;s path, %2 the lock file&apos;s name</extracomment>
        <translation>Le dossier de données «&#xa0;%1&#xa0;» ne peut pas être utilisé&#xa0;: «&#xa0;%2&#xa0;» y est un dossier, là où Plumbline 3.5 conserve le fichier qui montre qu&apos;il est en cours d&apos;exécution.<byte value="xd"/>
Déplacez ou renommez ce dossier. Plumbline 3.5 se ferme maintenant.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; cannot be used: the lock file &quot;%2&quot; cannot be written there.<byte value="xd"/>
Plumbline 3.5 cannot run without it and ends now.</source>
        <extracomment>%1 is the data folder&apos;s path, %2 the lock file&apos;s name</extracomment>
        <translation>Le dossier de données «&#xa0;%1&#xa0;» ne peut pas être utilisé&#xa0;: le fichier de verrou «&#xa0;%2&#xa0;» ne peut pas y être écrit.<byte value="xd"/>
Plumbline 3.5 ne peut pas fonctionner sans lui et se ferme maintenant.</translation>
    </message>
    <message>
        <source>Investment Data History information cannot be displayed<byte value="xd"/>
because the Data History file doesn&apos;t exist yet.<byte value="xd"/>
(No information has been entered.)</source>
        <translation>L&apos;historique des données des placements ne peut pas être affiché<byte value="xd"/>
car le fichier d&apos;historique n&apos;existe pas encore.<byte value="xd"/>
(Aucune information n&apos;a été saisie.)</translation>
    </message>
    <message>
        <source>Sorry, you can&apos;t edit or create a new record from the data grid. If you want to edit a record,<byte value="xd"/>
click on &apos;Edit&apos; and choose the record you want to change from the drop down box<byte value="xd"/>
next to it. If you want to create a new record, click on &apos;Add New&apos;.</source>
        <translation>Désolé, vous ne pouvez pas modifier ou créer un enregistrement depuis la grille de données. Pour modifier un enregistrement,<byte value="xd"/>
cliquez sur «&#xa0;Modifier&#xa0;» et choisissez l&apos;enregistrement à changer dans la liste déroulante<byte value="xd"/>
à côté. Pour créer un enregistrement, cliquez sur «&#xa0;Ajouter&#xa0;».</translation>
    </message>
    <message>
        <source>Plumbline 3.5 was interrupted while it changed its data files, and what it left in the data folder &quot;%1&quot; cannot be set aside:<byte value="xd"/>
%2<byte value="xd"/>
Nothing was deleted. Plumbline 3.5 ends now.</source>
        <extracomment>%1 is the data folder&apos;s path, %2 the error&apos;s description</extracomment>
        <translation>Plumbline 3.5 a été interrompu pendant qu&apos;il modifiait ses fichiers de données, et ce qu&apos;il a laissé dans le dossier de données «&#xa0;%1&#xa0;» ne peut pas être mis de côté&#xa0;:<byte value="xd"/>
%2<byte value="xd"/>
Rien n&apos;a été supprimé. Plumbline 3.5 se ferme maintenant.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes): %3</source>
        <extracomment>One file set aside: %1 its name, %2 its size in bytes, %3 what it holds</extracomment>
        <translation>%1 (%2 octets)&#xa0;: %3</translation>
    </message>
    <message>
        <source>Plumbline 3.5 was interrupted while it changed its data files, and the files it left may hold data that &quot;%1&quot; and &quot;%2&quot; do not.</source>
        <extracomment>%1 and %2 are the names of the two data files</extracomment>
        <translation>Plumbline 3.5 a été interrompu pendant qu&apos;il modifiait ses fichiers de données, et les fichiers qu&apos;il a laissés peuvent contenir des données que «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;» n&apos;ont pas.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 was interrupted while it deleted an investment.<byte value="xd"/>
%1</source>
        <extracomment>%1 is a sentence on what became of the interrupted delete</extracomment>
        <translation>Plumbline 3.5 a été interrompu pendant qu&apos;il supprimait un placement.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Plumbline 3.5 now goes on without data files. To have your data back as it was, restore the data folder from a backup.</source>
        <translation>Plumbline 3.5 continue maintenant sans fichiers de données. Pour retrouver vos données telles qu&apos;elles étaient, restaurez le dossier de données à partir d&apos;une sauvegarde.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 now goes on with the data files as they are.</source>
        <translation>Plumbline 3.5 continue maintenant avec les fichiers de données tels qu&apos;ils sont.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Nothing was deleted: they were moved into the folder &quot;%2&quot;:<byte value="xd"/>
%3<byte value="xd"/>
%4</source>
        <extracomment>%1 is the opening sentence above, %2 the folder&apos;s path, %3 the list of files, one a line, %4 the closing sentence</extracomment>
        <translation>%1<byte value="xd"/>
Rien n&apos;a été supprimé&#xa0;: ils ont été déplacés dans le dossier «&#xa0;%2&#xa0;»&#xa0;:<byte value="xd"/>
%3<byte value="xd"/>
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
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Mode d&apos;emploi</translation>
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
        <extracomment>Tooltip: copies the investment&apos;s type and institution</extracomment>
        <translation>Copier les infos du placement</translation>
    </message>
    <message>
        <source>Delete Investment Record</source>
        <translation>Supprimer le placement</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Mode d&apos;emploi</translation>
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
        <translation>Imprimer l&apos;historique des données du placement</translation>
    </message>
    <message>
        <source>Printout has been canceled</source>
        <translation>L&apos;impression a été annulée</translation>
    </message>
    <message>
        <source>Pg %1</source>
        <extracomment>Printed under the rows: &quot;Pg&quot; = page, %1 the number of the grid page printed</extracomment>
        <translation>p. %1</translation>
    </message>
    <message>
        <source>Investment Record %1:  %2  %3</source>
        <extracomment>Printed title: %1 the investment&apos;s number with a blank each side, %2 its type, %3 its institution</extracomment>
        <translation>Placement %1&#xa0;:  %2  %3</translation>
    </message>
    <message>
        <source>Profit/</source>
        <extracomment>Printed column heading, top line of &quot;Profit/Loss&quot; and of &quot;Profit/Loss AFI&quot;</extracomment>
        <translation>Gain/</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>Printed column heading: the data record&apos;s number</extracomment>
        <translation>Enreg.</translation>
    </message>
    <message>
        <source>Loss</source>
        <extracomment>Printed column heading, bottom line of &quot;Profit/Loss&quot;</extracomment>
        <translation>perte</translation>
    </message>
    <message>
        <source>Amnt AFI</source>
        <extracomment>Printed column heading under &quot;Current&quot;: amount adjusted for inflation</extracomment>
        <translation>Mt c. infl.</translation>
    </message>
    <message>
        <source>Loss AFI</source>
        <extracomment>Printed column heading under &quot;Profit/&quot;: loss adjusted for inflation</extracomment>
        <translation>perte c.infl.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this data record?</source>
        <translation>Voulez-vous vraiment supprimer cet enregistrement&#xa0;?</translation>
    </message>
    <message>
        <source>You cannot insert a new record after the last one.<byte value="xd"/>
Click on &apos;Add New&apos; to add a new record to the end of the file.</source>
        <translation>Vous ne pouvez pas insérer un nouvel enregistrement après le dernier.<byte value="xd"/>
Cliquez sur «&#xa0;Ajouter&#xa0;» pour ajouter un enregistrement à la fin du fichier.</translation>
    </message>
    <message>
        <source>New Record</source>
        <translation>Nouvel enregistrement</translation>
    </message>
    <message>
        <source>There are no data records under this investment to perform operations on.<byte value="xd"/>
If you want to create a data record, click on the &apos;Add New&apos; button under the data grid.</source>
        <translation>Ce placement n&apos;a aucun enregistrement sur lequel travailler.<byte value="xd"/>
Pour créer un enregistrement, cliquez sur le bouton «&#xa0;Ajouter&#xa0;» sous la grille de données.</translation>
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
        <translation>Type et établissement d&apos;un placement</translation>
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
        <translation>Légende de l&apos;établissement</translation>
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
        <translation>Copier et coller le type ou l&apos;établissement</translation>
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
        <translation>N°</translation>
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
        <source>Sorry, there is no entry in &apos;Investment&apos;. You must make an entry.</source>
        <translation>Désolé, il n&apos;y a aucune saisie dans «&#xa0;Placement&#xa0;». Vous devez faire une saisie.</translation>
    </message>
</context>
<context>
    <name>frmNewEditData</name>
    <message>
        <source>Date, amounts and inflation rate of a data record</source>
        <translation>Date, montants et taux d&apos;inflation d&apos;un enregistrement</translation>
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
        <translation>Les valeurs de l&apos;enregistrement</translation>
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
        <translation>Date de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Caption of the original amount</source>
        <translation>Légende du montant d&apos;origine</translation>
    </message>
    <message>
        <source>Original amount</source>
        <translation>Montant d&apos;origine</translation>
    </message>
    <message>
        <source>Amount originally invested</source>
        <translation>Montant placé à l&apos;origine</translation>
    </message>
    <message>
        <source>Caption of the inflation rate</source>
        <translation>Légende du taux d&apos;inflation</translation>
    </message>
    <message>
        <source>Inflation rate</source>
        <translation>Taux d&apos;inflation</translation>
    </message>
    <message>
        <source>Inflation rate in percent since the previous record; may stay empty</source>
        <translation>Taux d&apos;inflation en pourcentage depuis l&apos;enregistrement précédent&#xa0;; peut rester vide</translation>
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
        <translation>Enregistrer l&apos;enregistrement et fermer</translation>
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
        <translation>Taux d&apos;inflation suggéré</translation>
    </message>
    <message>
        <source>The price index&apos;s rate since the previous record, or why there is none</source>
        <translation>Le taux de l&apos;indice des prix depuis l&apos;enregistrement précédent, ou la raison de son absence</translation>
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
        <source>Suggest rates from the country&apos;s monthly or quarterly price index instead of annual averages</source>
        <translation>Suggérer des taux d&apos;après l&apos;indice des prix mensuel ou trimestriel du pays au lieu des moyennes annuelles</translation>
    </message>
    <message>
        <source>Put the suggested rate into the inflation rate box</source>
        <translation>Mettre le taux suggéré dans la zone du taux d&apos;inflation</translation>
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
        <translation>Montant d&apos;origine</translation>
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
        <translation>Modifier l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Insert New Record</source>
        <translation>Insérer un enregistrement</translation>
    </message>
    <message>
        <source>There is no entry in &apos;Original Amount&apos;. Please make an entry if you want to<byte value="xd"/>
create a new record.</source>
        <translation>Il n&apos;y a aucune saisie dans «&#xa0;Montant d&apos;origine&#xa0;». Veuillez faire une saisie si vous voulez<byte value="xd"/>
créer un enregistrement.</translation>
    </message>
    <message>
        <source>There is no entry in &apos;Current Amount&apos;. Please make an entry if you want to<byte value="xd"/>
create a new record.</source>
        <translation>Il n&apos;y a aucune saisie dans «&#xa0;Montant actuel&#xa0;». Veuillez faire une saisie si vous voulez<byte value="xd"/>
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
        <translation>Mot de passe&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to make Plumbline  password protected, or change an existing password?</source>
        <translation>Voulez-vous protéger Plumbline par un mot de passe, ou changer un mot de passe existant&#xa0;?</translation>
    </message>
    <message>
        <source>No Password</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>If you do, please enter a password below, and re-enter it for validation.</source>
        <translation>Si oui, saisissez un mot de passe ci-dessous, puis confirmez-le.</translation>
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
        <source>No entry was made in &apos;Enter Password&apos;.</source>
        <translation>Aucune saisie dans «&#xa0;Mot de passe&#xa0;».</translation>
    </message>
    <message>
        <source>Please make an entry.</source>
        <translation>Veuillez faire une saisie.</translation>
    </message>
    <message>
        <source>No entry was made in &apos;Enter Password Again&apos;.</source>
        <translation>Aucune saisie dans «&#xa0;Confirmer le mot de passe&#xa0;».</translation>
    </message>
    <message>
        <source>The second entry was not the same as the first.<byte value="xd"/>
Please re-enter the second, or both entries.</source>
        <translation>La seconde saisie ne correspond pas à la première.<byte value="xd"/>
Veuillez refaire la seconde saisie, ou les deux.</translation>
    </message>
    <message>
        <source>Please write your password down and keep<byte value="xd"/>
it in a safe place.</source>
        <translation>Veuillez noter votre mot de passe et le conserver<byte value="xd"/>
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
        <translation>Un fil à plomb suspendu au-dessus d&apos;un graphique en baisse</translation>
    </message>
    <message>
        <source>For Windows</source>
        <translation>Windows</translation>
    </message>
</context>
<context>
    <name>plumbline-export</name>
    <message>
        <source>%1 It is the series chosen under View, Price Index; --series NAME gives another.</source>
        <extracomment>%1 is the reason the price index cannot be read.</extracomment>
        <translation>%1 C&apos;est la série choisie sous Affichage, Indice des prix&#xa0;; --series NAME en donne une autre.</translation>
    </message>
    <message>
        <source>Writes the figures of every data record of a Plumbline 3.5 data folder to standard output as CSV (comma-separated, header row, CR LF line ends), computed as the program&apos;s grid computes them. Nothing in the data folder is ever changed.</source>
        <translation>Écrit les chiffres de chaque enregistrement d&apos;un dossier de données Plumbline 3.5 sur la sortie standard au format CSV (séparé par des virgules, ligne d&apos;en-tête, fins de ligne CR LF), calculés comme les calcule la grille du programme. Rien n&apos;est jamais modifié dans le dossier de données.</translation>
    </message>
    <message>
        <source>Export only investment number &lt;n&gt;.</source>
        <translation>N&apos;exporter que le placement numéro &lt;n&gt;.</translation>
    </message>
    <message>
        <source>Add the column suggested_rate after inflation_rate: the rate the price index gives since the investment&apos;s last earlier record with both amounts above 0, the one the calculation compares the record with (empty where it gives none).</source>
        <translation>Ajouter la colonne suggested_rate après inflation_rate&#xa0;: le taux que donne l&apos;indice des prix depuis le dernier enregistrement antérieur du placement ayant les deux montants supérieurs à 0, celui auquel le calcul compare l&apos;enregistrement (vide là où il n&apos;en donne pas).</translation>
    </message>
    <message>
        <source>With --suggest-rates: the price index &lt;name&gt; (default: the series chosen under View, Price Index, else that of the system locale&apos;s country, else US-CPI-U).</source>
        <translation>Avec --suggest-rates&#xa0;: l&apos;indice des prix &lt;name&gt; (par défaut&#xa0;: la série choisie sous Affichage, Indice des prix, sinon celle du pays des paramètres régionaux du système, sinon US-CPI-U).</translation>
    </message>
    <message>
        <source>Instead of the records, each investment&apos;s returns, nominal and after inflation (time- and money-weighted, cumulative and per year), and a last row for all of them, whose figure after inflation comes from the price index (--series, else the one chosen under View, Price Index).</source>
        <translation>Au lieu des enregistrements, les rendements de chaque placement, nominaux et après inflation (pondérés par le temps et par les capitaux, cumulés et par an), et une dernière ligne pour tous ensemble, dont le chiffre après inflation vient de l&apos;indice des prix (--series, sinon celui choisi sous Affichage, Indice des prix).</translation>
    </message>
    <message>
        <source>--series needs --suggest-rates or --returns</source>
        <translation>--series demande --suggest-rates ou --returns</translation>
    </message>
    <message>
        <source>--returns covers every investment and takes neither --investment nor --suggest-rates</source>
        <translation>--returns couvre tous les placements et n&apos;accepte ni --investment ni --suggest-rates</translation>
    </message>
    <message>
        <source>the figures could not all be written to standard output</source>
        <translation>les chiffres n&apos;ont pas pu être tous écrits sur la sortie standard</translation>
    </message>
</context>
<context>
    <name>plumbline-gendata</name>
    <message>
        <source>usage: plumbline-gendata --out DIR --investments N --records-per-investment M [--seed S] [--edits E]
       plumbline-gendata --out DIR --lines L [--investments N] [--shown K] [--shown-share F]
                         [--seed S] [--edits E]
</source>
        <extracomment>The synopsis: only &quot;usage:&quot; is words; the rest are the program&apos;s and its options&apos; names.</extracomment>
        <translation>utilisation&#xa0;: plumbline-gendata --out DIR --investments N --records-per-investment M [--seed S] [--edits E]
              plumbline-gendata --out DIR --lines L [--investments N] [--shown K] [--shown-share F]
                                [--seed S] [--edits E]
</translation>
    </message>
    <message>
        <source>--%1 wants a whole number, not &quot;%2&quot;</source>
        <extracomment>%1 is an option&apos;s name, %2 what was given for it.</extracomment>
        <translation>--%1 attend un nombre entier, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Writes a valid Plumbline 3.5 data folder (PlumblineData and PlDataHist.txt) into DIR, which must not hold them yet, for trying the program and timing it on large data.

</source>
        <translation>Écrit un dossier de données Plumbline 3.5 valide (PlumblineData et PlDataHist.txt) dans DIR, qui ne doit pas encore les contenir, pour essayer le programme et le chronométrer sur de grandes données.

</translation>
    </message>
    <message>
        <source>the folder to write (created if missing)</source>
        <translation>le dossier à écrire (créé s&apos;il manque)</translation>
    </message>
    <message>
        <source>investments (second form: default 100)</source>
        <translation>placements (seconde forme&#xa0;: 100 par défaut)</translation>
    </message>
    <message>
        <source>data records of each investment</source>
        <translation>enregistrements de chaque placement</translation>
    </message>
    <message>
        <source>history lines in all</source>
        <translation>lignes d&apos;historique au total</translation>
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
        <source>edits that rewrote the file, each putting the edited investment&apos;s lines first (default 3, at most N)</source>
        <translation>modifications qui ont réécrit le fichier, chacune plaçant en tête les lignes du placement modifié (3 par défaut, N au plus)</translation>
    </message>
    <message>
        <source>the same seed always gives the same bytes (default 1)</source>
        <translation>la même graine donne toujours les mêmes octets (1 par défaut)</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
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
        <translation>--shown doit désigner l&apos;un des placements</translation>
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
        <translation>le placement %1 aurait %2 enregistrements&#xa0;; le programme en compte %3 au plus par placement (utilisez plus de --investments)</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>%1 already holds %2; give an empty folder</source>
        <extracomment>%1 is a folder, %2 the name of a data file in it.</extracomment>
        <translation>%1 contient déjà %2&#xa0;; donnez un dossier vide</translation>
    </message>
    <message>
        <source>%1: %2 investments, %3 history lines (investment %4: %5 lines), %6 edits, seed %7</source>
        <extracomment>%1 is the data folder written; %5 of the history lines belong to investment %4.</extracomment>
        <translation>%1&#xa0;: %2 placements, %3 lignes d&apos;historique (placement %4&#xa0;: %5 lignes), %6 modifications, graine %7</translation>
    </message>
</context>
<context>
    <name>plumbline-import</name>
    <message>
        <source>record %1 (%2): rate %3 since %4</source>
        <translation>enregistrement %1 (%2)&#xa0;: taux %3 depuis le %4</translation>
    </message>
    <message>
        <source>record %1 (%2): no rate, %3</source>
        <translation>enregistrement %1 (%2)&#xa0;: pas de taux, %3</translation>
    </message>
    <message>
        <source>Would create investment %1 (%2).</source>
        <extracomment>%1 is the investment&apos;s number, %2 its type and institution.</extracomment>
        <translation>Créerait le placement %1 (%2).</translation>
    </message>
    <message>
        <source>Created investment %1 (%2).</source>
        <translation>Placement %1 créé (%2).</translation>
    </message>
    <message>
        <source>Would add %1 record to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <extracomment>%1 records, %2 the investment&apos;s number, %3 its type and institution; %4 of the records go after its last one, %5 between its records by their date.</extracomment>
        <translation>Ajouterait %1 enregistrement au placement %2 (%3)&#xa0;: %4 à la fin, %5 intercalés par date.</translation>
    </message>
    <message>
        <source>Would add %1 records to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <translation>Ajouterait %1 enregistrements au placement %2 (%3)&#xa0;: %4 à la fin, %5 intercalés par date.</translation>
    </message>
    <message>
        <source>Added %1 record to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <translation>%1 enregistrement ajouté au placement %2 (%3)&#xa0;: %4 à la fin, %5 intercalés par date.</translation>
    </message>
    <message>
        <source>Added %1 records to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <translation>%1 enregistrements ajoutés au placement %2 (%3)&#xa0;: %4 à la fin, %5 intercalés par date.</translation>
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
        <translation>ligne %1&#xa0;: %2, %3, %4, taux %5, à la fin</translation>
    </message>
    <message>
        <source>line %1: %2, %3, %4, rate %5, before record %6</source>
        <translation>ligne %1&#xa0;: %2, %3, %4, taux %5, avant l&apos;enregistrement %6</translation>
    </message>
    <message>
        <source>Would fill %1 of %2 missing rates from %3.</source>
        <extracomment>%1 rates filled of %2 missing, %3 the price index&apos;s name.</extracomment>
        <translation>Compléterait %1 des %2 taux manquants d&apos;après %3.</translation>
    </message>
    <message>
        <source>Filled %1 of %2 missing rates from %3.</source>
        <translation>%1 des %2 taux manquants complétés d&apos;après %3.</translation>
    </message>
    <message>
        <source>Adds the data records of a CSV file (date, original amount, current amount, optional inflation rate, found by their header) to an investment of a Plumbline 3.5 data folder, and fills missing inflation rates from a price index. All or nothing: a row that cannot be read changes nothing. Exit status: 0 done, 1 refused or failed, 2 wrong command line.</source>
        <translation>Ajoute les enregistrements d&apos;un fichier CSV (date, montant d&apos;origine, montant actuel, taux d&apos;inflation facultatif, repérés par leur en-tête) à un placement d&apos;un dossier de données Plumbline 3.5, et complète les taux d&apos;inflation manquants d&apos;après un indice des prix. Tout ou rien&#xa0;: une ligne illisible ne change rien. Code de sortie&#xa0;: 0 fait, 1 refusé ou échoué, 2 ligne de commande incorrecte.</translation>
    </message>
    <message>
        <source>Change the data folder &lt;dir&gt; instead of the program&apos;s own.</source>
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
        <translation>Avec --new-investment&#xa0;: son établissement &lt;name&gt; (50 caractères au plus).</translation>
    </message>
    <message>
        <source>How dates with slashes read: iso (none accepted), mdy or dmy. Default: decided from the dates, refused when every date reads both ways.</source>
        <translation>Comment lire les dates avec des barres obliques&#xa0;: iso (aucune acceptée), mdy ou dmy. Par défaut&#xa0;: déduit des dates, refusé quand chaque date se lit des deux façons.</translation>
    </message>
    <message>
        <source>Fill missing rates (0, not the first record) from the price index: of the imported rows, or without FILE of every record of the investment.</source>
        <translation>Compléter les taux manquants (0, pas le premier enregistrement) d&apos;après l&apos;indice des prix&#xa0;: ceux des lignes importées, ou sans FILE ceux de chaque enregistrement du placement.</translation>
    </message>
    <message>
        <source>With --fill-rates: the price index &lt;name&gt; (default: the one chosen under View, Price Index, else the system locale&apos;s).</source>
        <translation>Avec --fill-rates&#xa0;: l&apos;indice des prix &lt;name&gt; (par défaut&#xa0;: celui choisi sous Affichage, Indice des prix, sinon celui des paramètres régionaux du système).</translation>
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
        <source>--date-format takes iso, mdy or dmy, not &quot;%1&quot;</source>
        <translation>--date-format accepte iso, mdy ou dmy, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--investment takes a number from 1, not &quot;%1&quot;</source>
        <translation>--investment accepte un nombre à partir de 1, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: every date reads both as month/day and as day/month (line %2: &quot;%3&quot; is %4 or %5); choose with --date-format mdy or dmy</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: chaque date se lit aussi bien mois/jour que jour/mois (ligne %2&#xa0;: «&#xa0;%3&#xa0;» est le %4 ou le %5)&#xa0;; choisissez avec --date-format mdy ou dmy</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 row cannot be read; nothing was changed:</source>
        <extracomment>%1 is the CSV file, %2 the number of rows.</extracomment>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2 ligne illisible&#xa0;; rien n&apos;a été modifié&#xa0;:</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 rows cannot be read; nothing was changed:</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2 lignes illisibles&#xa0;; rien n&apos;a été modifié&#xa0;:</translation>
    </message>
    <message>
        <source>Plumbline 3.5 is running on &quot;%1&quot;; close it, then import again</source>
        <translation>Plumbline 3.5 est en cours d&apos;exécution sur «&#xa0;%1&#xa0;»&#xa0;; fermez-le, puis importez de nouveau</translation>
    </message>
    <message>
        <source>the lock file of &quot;%1&quot; cannot be used; nothing was changed</source>
        <translation>le fichier de verrou de «&#xa0;%1&#xa0;» ne peut pas être utilisé&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>warning: the change is made but not yet kept as a version: error %1: %2</source>
        <translation>avertissement&#xa0;: la modification est faite mais pas encore conservée comme version&#xa0;: erreur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>%1 is why the data files cannot be read.</extracomment>
        <translation>%1&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the summary could not be written to standard output</source>
        <translation>le résumé n&apos;a pas pu être écrit sur la sortie standard</translation>
    </message>
</context>
<context>
    <name>plumbline-index</name>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is the CSV file, %2 a line number in it, %3 what is wrong with that line.</extracomment>
        <translation>%1, ligne %2&#xa0;: %3</translation>
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

Without --series the series chosen under View, Price Index is used; without a choice, that of the system locale&apos;s country: its monthly national index, else the euro area&apos;s HICP where the euro is paid, else its quarterly or annual series (US-CPI-U when it has none).
Imported series live in the folder &quot;Price Indexes&quot; of the data folder; the data files are never touched.</source>
        <translation>Les indices des prix d&apos;après lesquels Plumbline suggère des taux d&apos;inflation.

  list                 chaque série (fournie ou importée), une par ligne&#xa0;: nom, fréquence
                       (mensuelle, trimestrielle ou annuelle), couverture, pays, fournie ou
                       importée, titre, unité et base, éditeur, date du relevé
  import FILE --name NAME [--country CC] [--replace]
                       lit un indice mensuel dans un fichier CSV et l&apos;enregistre sous NAME,
                       en remplaçant entièrement une série de ce nom&#xa0;; là où le fichier
                       change des chiffres que cette série contenait, il indique combien
                       et s&apos;arrête, sauf si --replace est donné
  rate FROM TO [--series NAME]
                       le taux d&apos;inflation en pourcentage de la date FROM à la date TO
                       (AAAA-MM-JJ ou AAAA-MM)&#xa0;; sort avec le code 2 et la raison quand
                       la série n&apos;a pas de taux pour elles

Sans --series, la série choisie sous Affichage, Indice des prix est utilisée&#xa0;; sans choix, celle du pays des paramètres régionaux du système&#xa0;: son indice national mensuel, sinon l&apos;IPCH de la zone euro là où l&apos;on paie en euros, sinon sa série trimestrielle ou annuelle (US-CPI-U s&apos;il n&apos;en a pas).
Les séries importées se trouvent dans le dossier «&#xa0;Price Indexes&#xa0;» du dossier de données&#xa0;; les fichiers de données ne sont jamais touchés.</translation>
    </message>
    <message>
        <source>import: the series&apos; name.</source>
        <translation>import&#xa0;: le nom de la série.</translation>
    </message>
    <message>
        <source>import: the series&apos; country, a two-letter ISO code.</source>
        <translation>import&#xa0;: le pays de la série, un code ISO à deux lettres.</translation>
    </message>
    <message>
        <source>rate: the series to use.</source>
        <translation>rate&#xa0;: la série à utiliser.</translation>
    </message>
    <message>
        <source>import: replace a series of that name even where the file changes its past figures.</source>
        <translation>import&#xa0;: remplacer une série de ce nom même là où le fichier change ses chiffres passés.</translation>
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
        <translation>%1&#xa0;: %2 change des chiffres que contient la série (%3). Rien n&apos;a été modifié&#xa0;; ajoutez --replace pour la remplacer.</translation>
    </message>
    <message>
        <source>Revised: %1.</source>
        <translation>Révisés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Replaced %1: %2 months, %3 (in %4)</source>
        <extracomment>%1 is the series&apos; name, %2 its number of months, %3 the months it covers, %4 the folder it is kept in.</extracomment>
        <translation>%1 remplacée&#xa0;: %2 mois, %3 (dans %4)</translation>
    </message>
    <message>
        <source>Imported %1: %2 months, %3 (in %4)</source>
        <translation>%1 importée&#xa0;: %2 mois, %3 (dans %4)</translation>
    </message>
    <message>
        <source>dates are YYYY-MM-DD or YYYY-MM (see --help)</source>
        <translation>les dates sont de la forme AAAA-MM-JJ ou AAAA-MM (voir --help)</translation>
    </message>
    <message>
        <source>no rate: %1</source>
        <translation>pas de taux&#xa0;: %1</translation>
    </message>
    <message>
        <source>expected list, import FILE --name NAME, or rate FROM TO (see --help)</source>
        <translation>attendu&#xa0;: list, import FILE --name NAME, ou rate FROM TO (voir --help)</translation>
    </message>
</context>
<context>
    <name>plumbline-report</name>
    <message>
        <source>Writes the PDF report of a Plumbline 3.5 data folder: a summary of the investments with what inflation took, then each investment&apos;s chart and every data record with its computed figures. The file is written whole or not at all; nothing in the data folder is ever changed.</source>
        <translation>Écrit le rapport PDF d&apos;un dossier de données Plumbline 3.5&#xa0;: un résumé des placements avec ce que l&apos;inflation a pris, puis le graphique de chaque placement et chaque enregistrement avec ses chiffres calculés. Le fichier est écrit en entier ou pas du tout&#xa0;; rien n&apos;est jamais modifié dans le dossier de données.</translation>
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
        <translation>Dater le rapport du &lt;yyyy-mm-dd&gt; au lieu d&apos;aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Write dates for the locale &lt;name&gt; (such as en_GB) instead of the system&apos;s.</source>
        <translation>Écrire les dates selon les paramètres régionaux &lt;name&gt; (comme fr_FR) au lieu de ceux du système.</translation>
    </message>
    <message>
        <source>Tell the pages written on standard output, a line each (&quot;pages N&quot;, &quot;page K&quot;, &quot;done K&quot;), for a program that shows them.</source>
        <translation>Indiquer les pages écrites sur la sortie standard, une ligne chacune («&#xa0;pages N&#xa0;», «&#xa0;page K&#xa0;», «&#xa0;done K&#xa0;»), pour un programme qui les affiche.</translation>
    </message>
    <message>
        <source>The price index &lt;name&gt; for the figure of all investments after inflation (default: the series chosen under View, Price Index, else that of the system locale&apos;s country).</source>
        <translation>L&apos;indice des prix &lt;name&gt; pour le chiffre de tous les placements après inflation (par défaut&#xa0;: la série choisie sous Affichage, Indice des prix, sinon celle du pays des paramètres régionaux du système).</translation>
    </message>
    <message>
        <source>--out FILE.pdf is required (see --help)</source>
        <translation>--out FILE.pdf est obligatoire (voir --help)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date of the form yyyy-mm-dd</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une date de la forme yyyy-mm-dd</translation>
    </message>
    <message>
        <source>%1: %2 page</source>
        <extracomment>%1 is the PDF file written, %2 its number of pages.</extracomment>
        <translation>%1&#xa0;: %2 page</translation>
    </message>
    <message>
        <source>%1: %2 pages</source>
        <translation>%1&#xa0;: %2 pages</translation>
    </message>
</context>
<context>
    <name>plumbline-snapshot</name>
    <message>
        <source>Opens the Plumbline 3.5 main window on the program&apos;s data folder, as the program does once the user is through start-up, saves a picture of it to FILE.png and ends. For machines without a display: run it under xvfb-run.</source>
        <translation>Ouvre la fenêtre principale de Plumbline 3.5 sur le dossier de données du programme, comme le fait le programme une fois le démarrage passé, en enregistre une image dans FILE.png et se termine. Pour les machines sans écran&#xa0;: lancez-le sous xvfb-run.</translation>
    </message>
    <message>
        <source>Where the picture is saved.</source>
        <translation>Où l&apos;image est enregistrée.</translation>
    </message>
    <message>
        <source>usage: plumbline-snapshot FILE.png</source>
        <translation>utilisation&#xa0;: plumbline-snapshot FILE.png</translation>
    </message>
</context>
<context>
    <name>plumbline-versions</name>
    <message>
        <source>Lists, shows and restores the versions Plumbline 3.5 keeps of its two data files, and undoes or redoes the last change.

Commands:
  list            every kept version, newest first
  show ID         one version&apos;s time, change and counts
  restore ID      make version ID current (itself a change that can be undone)
  undo            back to the state before the last change
  redo            the change undone last, made again</source>
        <translation>Liste, affiche et restaure les versions que Plumbline 3.5 conserve de ses deux fichiers de données, et annule ou rétablit la dernière modification.

Commandes&#xa0;:
  list            chaque version conservée, la plus récente d&apos;abord
  show ID         l&apos;heure, la modification et les comptes d&apos;une version
  restore ID      faire de la version ID l&apos;actuelle (une modification elle-même annulable)
  undo            revenir à l&apos;état d&apos;avant la dernière modification
  redo            refaire la dernière modification annulée</translation>
    </message>
    <message>
        <source>With show: write the version&apos;s records to &lt;file&gt; as CSV.</source>
        <translation>Avec show&#xa0;: écrire les enregistrements de la version dans &lt;file&gt; au format CSV.</translation>
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
        <source>unknown command &quot;%1&quot; (see --help)</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;» (voir --help)</translation>
    </message>
    <message>
        <source>%1 takes one version number</source>
        <translation>%1 accepte un numéro de version</translation>
    </message>
    <message>
        <source>%1 takes no argument</source>
        <translation>%1 n&apos;accepte aucun argument</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a version number</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un numéro de version</translation>
    </message>
    <message>
        <source>--export goes with show</source>
        <translation>--export va avec show</translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; is in use by a running copy of Plumbline; close it first</source>
        <translation>le dossier de données «&#xa0;%1&#xa0;» est utilisé par une copie de Plumbline en cours d&apos;exécution&#xa0;; fermez-la d&apos;abord</translation>
    </message>
    <message>
        <source>the lock file of the data folder &quot;%1&quot; cannot be used</source>
        <translation>le fichier de verrou du dossier de données «&#xa0;%1&#xa0;» ne peut pas être utilisé</translation>
    </message>
    <message>
        <source>there is no version %1</source>
        <translation>il n&apos;y a pas de version %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>The labels of one kept version: its number, when it was kept, the change it made, and how many investments and data records it holds.</extracomment>
        <translation>Version&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Heure&#xa0;: %1</translation>
    </message>
    <message>
        <source>Change: %1</source>
        <translation>Modification&#xa0;: %1</translation>
    </message>
    <message>
        <source>Investments: %1</source>
        <translation>Placements&#xa0;: %1</translation>
    </message>
    <message>
        <source>Records: %1</source>
        <translation>Enregistrements&#xa0;: %1</translation>
    </message>
    <message>
        <source>Current: yes</source>
        <extracomment>The version is the one the data files hold now.</extracomment>
        <translation>Actuelle&#xa0;: oui</translation>
    </message>
    <message>
        <source>no temporary folder for the version&apos;s files</source>
        <translation>aucun dossier temporaire pour les fichiers de la version</translation>
    </message>
    <message>
        <source>Restored version %1.</source>
        <translation>Version %1 restaurée.</translation>
    </message>
    <message>
        <source>there is no change to undo</source>
        <translation>il n&apos;y a aucune modification à annuler</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annulé&#xa0;: %1</translation>
    </message>
    <message>
        <source>there is no change to redo</source>
        <translation>il n&apos;y a aucune modification à rétablir</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rétabli&#xa0;: %1</translation>
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
        <translation>Chaque enregistrement de %1 après le premier a un taux&#xa0;: il n&apos;y a rien à compléter.</translation>
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
        <translation>Fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Importer dans</translation>
    </message>
    <message>
        <source>The investment shown: %1</source>
        <translation>Le placement affiché&#xa0;: %1</translation>
    </message>
    <message>
        <source>The investment shown (none is)</source>
        <translation>Le placement affiché (aucun ne l&apos;est)</translation>
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
        <translation>Colonne %1&#xa0;: %2</translation>
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
        <translation>Dates avec barres obliques&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Fill missing rates from %1</source>
        <translation>&amp;Compléter les taux manquants d&apos;après %1</translation>
    </message>
    <message>
        <source>Rows without a rate get the rate %1 gives since the investment&apos;s last record with both amounts above 0</source>
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
        <translation>Erreur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Choose the columns that hold the Date, the Original Amount and the Current Amount.</source>
        <translation>Choisissez les colonnes qui contiennent la date, le montant d&apos;origine et le montant actuel.</translation>
    </message>
    <message>
        <source>The file holds no records.</source>
        <translation>Le fichier ne contient aucun enregistrement.</translation>
    </message>
    <message>
        <source>%1 of %2 row cannot be read (line %3): nothing is imported until the file is mended.</source>
        <extracomment>%1 and %2 are counts of rows, %3 a list of line numbers of the file</extracomment>
        <translation>%1 ligne sur %2 est illisible (ligne %3)&#xa0;: rien n&apos;est importé tant que le fichier n&apos;est pas corrigé.</translation>
    </message>
    <message>
        <source>%1 of %2 rows cannot be read (line %3): nothing is imported until the file is mended.</source>
        <translation>%1 lignes sur %2 sont illisibles (ligne %3)&#xa0;: rien n&apos;est importé tant que le fichier n&apos;est pas corrigé.</translation>
    </message>
    <message>
        <source>%1 of %2 rows cannot be read (lines %3): nothing is imported until the file is mended.</source>
        <translation>%1 lignes sur %2 sont illisibles (lignes %3)&#xa0;: rien n&apos;est importé tant que le fichier n&apos;est pas corrigé.</translation>
    </message>
    <message>
        <source>Nothing to import: the row is already present.</source>
        <translation>Rien à importer&#xa0;: la ligne est déjà présente.</translation>
    </message>
    <message>
        <source>Nothing to import: all %1 rows are already present.</source>
        <translation>Rien à importer&#xa0;: les %1 lignes sont déjà présentes.</translation>
    </message>
    <message>
        <source>%1 record to import: %2 after the last record, %3 merged by date.</source>
        <extracomment>%1 records in all, %2 of them added after the last record, %3 merged in by their dates</extracomment>
        <translation>%1 enregistrement à importer&#xa0;: %2 après le dernier enregistrement, %3 intercalés par date.</translation>
    </message>
    <message>
        <source>%1 records to import: %2 after the last record, %3 merged by date.</source>
        <translation>%1 enregistrements à importer&#xa0;: %2 après le dernier enregistrement, %3 intercalés par date.</translation>
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
        <translation>%1 des %2 taux manquants complétés d&apos;après %3.</translation>
    </message>
    <message>
        <source>Sorry, there is no entry in &apos;Investment&apos;. You must make an entry.</source>
        <translation>Désolé, il n&apos;y a aucune saisie dans «&#xa0;Placement&#xa0;». Vous devez faire une saisie.</translation>
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
        <translation>Montant d&apos;origine</translation>
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
        <translation>Données des indices des prix&#xa0;:</translation>
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
        <translation>Fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;ountry code:</source>
        <translation>Code &amp;pays&#xa0;:</translation>
    </message>
    <message>
        <source>A monthly index: two columns (date as YYYY-MM or YYYY-MM-DD, value), or a download from ONS, FRED or Statistics Canada. A series of the same name is replaced whole.</source>
        <translation>Un indice mensuel&#xa0;: deux colonnes (date au format AAAA-MM ou AAAA-MM-JJ, valeur), ou un téléchargement depuis l&apos;ONS, FRED ou Statistique Canada. Une série du même nom est entièrement remplacée.</translation>
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
        <translation>Un indice des prix nommé %1 existe. Le fichier change des chiffres qu&apos;il contient&#xa0;: %2. Le remplacer par ce fichier&#xa0;?</translation>
    </message>
    <message>
        <source>A price index named %1 exists. Replace it with this file?</source>
        <extracomment>%1 the name of a price index</extracomment>
        <translation>Un indice des prix nommé %1 existe. Le remplacer par ce fichier&#xa0;?</translation>
    </message>
    <message>
        <source>Replaced %1: %2 months, %3.<byte value="xd"/>
Choose it under View, Price Index.</source>
        <extracomment>%1 the name of a price index, %2 a number of months, %3 the months it covers</extracomment>
        <translation>%1 remplacé&#xa0;: %2 mois, %3.<byte value="xd"/>
Choisissez-le sous Affichage, Indice des prix.</translation>
    </message>
    <message>
        <source>Imported %1: %2 months, %3.<byte value="xd"/>
Choose it under View, Price Index.</source>
        <translation>%1 importé&#xa0;: %2 mois, %3.<byte value="xd"/>
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
        <translation>Source&#xa0;: %1</translation>
    </message>
    <message>
        <source>Publisher: %1</source>
        <extracomment>%1 the publisher of the figures</extracomment>
        <translation>Éditeur&#xa0;: %1</translation>
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
        <translation>La fenêtre d&apos;enregistrement suggère des taux d&apos;inflation d&apos;après cet indice des prix&#xa0;:</translation>
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
        <translation>Aucune suggestion&#xa0;: %1</translation>
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
        <extracomment>%1 the frequency (monthly, quarterly), %2 the series&apos; title, %3 its name</extracomment>
        <translation>Suggérer des taux d&apos;après l&apos;%1 %2 (%3) au lieu des moyennes annuelles</translation>
    </message>
    <message>
        <source>Use the %1 series %2</source>
        <extracomment>%1 the frequency (monthly, quarterly), %2 the series&apos; title</extracomment>
        <translation>Utiliser l&apos;%1 %2</translation>
    </message>
    <message>
        <source>No suggestion: line %1 of the data records cannot be read.</source>
        <extracomment>%1 a line number</extracomment>
        <translation>Aucune suggestion&#xa0;: la ligne %1 des enregistrements ne peut pas être lue.</translation>
    </message>
    <message>
        <source>No suggestion for the investment&apos;s first record.</source>
        <translation>Aucune suggestion pour le premier enregistrement du placement.</translation>
    </message>
    <message>
        <source>No suggestion: no earlier record has both amounts above 0.</source>
        <translation>Aucune suggestion&#xa0;: aucun enregistrement antérieur n&apos;a ses deux montants supérieurs à 0.</translation>
    </message>
    <message>
        <source>No suggestion until the Date box holds a date.</source>
        <translation>Aucune suggestion tant que la zone Date ne contient pas de date.</translation>
    </message>
    <message>
        <source>About %1 % since %2, from annual averages</source>
        <extracomment>%1 a rate in percent, %2 a date</extracomment>
        <translation>Environ %1 % depuis le %2, d&apos;après les moyennes annuelles</translation>
    </message>
    <message>
        <source>%1: %2 % since %3, provisional</source>
        <extracomment>%1 the series&apos; title, %2 a rate in percent, %3 a date</extracomment>
        <translation>%1&#xa0;: %2 % depuis le %3, provisoire</translation>
    </message>
    <message>
        <source>%1: %2 % since %3</source>
        <extracomment>%1 the series&apos; title, %2 a rate in percent, %3 a date</extracomment>
        <translation>%1&#xa0;: %2 % depuis le %3</translation>
    </message>
    <message>
        <source>No suggestion: %1 % is too large for the rate box.</source>
        <extracomment>%1 a rate in percent</extracomment>
        <translation>Aucune suggestion&#xa0;: %1 % est trop grand pour la zone du taux.</translation>
    </message>
    <message>
        <source>No suggestion: the date is before %1, where the rate would start.</source>
        <extracomment>%1 a date</extracomment>
        <translation>Aucune suggestion&#xa0;: la date précède le %1, où le taux commencerait.</translation>
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
        <extracomment>%1 the investment&apos;s type and institution</extracomment>
        <translation>&amp;Placement affiché (%1)</translation>
    </message>
    <message>
        <source>&amp;All investments</source>
        <translation>&amp;Tous les placements</translation>
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
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <extracomment>%1 a file</extracomment>
        <translation>%1 existe déjà.<byte value="xd"/>
Voulez-vous le remplacer&#xa0;?</translation>
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
        <source>The report (%1 page) was saved as<byte value="xd"/>
%2</source>
        <extracomment>%1 the number of pages, %2 the report&apos;s file</extracomment>
        <translation>Le rapport (%1 page) a été enregistré sous<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The report (%1 pages) was saved as<byte value="xd"/>
%2</source>
        <translation>Le rapport (%1 pages) a été enregistré sous<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Cancelled: no report was written.</source>
        <translation>Annulé&#xa0;: aucun rapport n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Reading the data records...</source>
        <translation>Lecture des enregistrements...</translation>
    </message>
    <message>
        <source>Sa&amp;ve as:</source>
        <translation>Enregistrer &amp;sous&#xa0;:</translation>
    </message>
</context>
</TS>
