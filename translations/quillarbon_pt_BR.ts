<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Companion</name>
    <message>
        <source>check-storage [--location TEXT] [--csv]</source>
        <translation>check-storage [--location TEXTO] [--csv]</translation>
    </message>
    <message>
        <source>Within each storing place, the chemicals whose storage groups must be kept
apart (the compatible storage groups of Prudent Practices in the Laboratory),
and the chemicals whose group their record does not tell, each with the reason
for its group. A line &quot;Storage group: F&quot; in the hazards sets a chemical&apos;s group.
--location checks only the places whose name contains TEXT; --csv writes CSV.
The exit status is 0 when nothing must be kept apart, 3 when something must.</source>
        <translation>Em cada local de armazenamento, os produtos químicos cujos grupos de
armazenamento devem ficar separados (os grupos compatíveis do Prudent Practices
in the Laboratory) e os produtos cujo grupo o registro não informa, cada um com
o motivo do seu grupo. Uma linha &quot;Storage group: F&quot; nos riscos define o grupo.
--location verifica só os locais cujo nome contém TEXTO; --csv escreve CSV.
O status de saída é 0 quando nada precisa ficar separado, 3 quando algo precisa.</translation>
    </message>
    <message>
        <source>--location needs a part of a place&apos;s name.</source>
        <translation>--location precisa de uma parte do nome de um local.</translation>
    </message>
    <message>
        <source>The inventory &apos;%1&apos; holds no records, so there is nothing to check.</source>
        <translation>O inventário &apos;%1&apos; não tem registros; não há nada a verificar.</translation>
    </message>
    <message>
        <source>No storing place in &apos;%1&apos; has &apos;%2&apos; in its name, so there is nothing to check. Try a shorter part of the name, or leave out --location.</source>
        <translation>Nenhum local de armazenamento em &apos;%1&apos; tem &apos;%2&apos; no nome; não há nada a verificar. Tente uma parte mais curta do nome, ou omita --location.</translation>
    </message>
    <message>
        <source> Run quillarbon-data --help for the commands.</source>
        <translation> Execute quillarbon-data --help para ver os comandos.</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Erro %1: %2</translation>
    </message>
    <message>
        <source>Warning %1: %2</source>
        <translation>Aviso %1: %2</translation>
    </message>
    <message>
        <source> (as &apos;%1&apos;)</source>
        <translation> (como &apos;%1&apos;)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was already in the inventory%2; added again.</source>
        <translation>&apos;%1&apos; já estava no inventário%2; adicionado de novo.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is already in the inventory%2; not added (--allow-duplicates adds it).</source>
        <translation>&apos;%1&apos; já está no inventário%2; não adicionado (--allow-duplicates o adiciona).</translation>
    </message>
    <message>
        <source>
Errors are written as &quot;Error N: text&quot; on the standard error, and the exit status is
then 1 (2 when the command line is not understood; check-storage exits with 3 when it
finds chemicals to keep apart). No output file is ever left half written. Warnings
(&quot;Warning N: text&quot;, on the standard error too) say what a command that succeeded did in
a way you might not expect.
</source>
        <translation>
Os erros são escritos como &quot;Erro N: texto&quot; na saída de erro padrão, e o status de
saída é então 1 (2 quando a linha de comando não é entendida; check-storage sai com 3
quando encontra produtos químicos que devem ficar separados). Nenhum arquivo de saída
fica escrito pela metade. Os avisos (&quot;Aviso N: texto&quot;, também na saída de erro padrão)
dizem o que um comando bem-sucedido fez de um modo que talvez você não espere.
</translation>
    </message>
    <message>
        <source>
Its own error numbers (the others are the engine&apos;s):</source>
        <translation>
Seus próprios números de erro (os demais são do mecanismo de dados):</translation>
    </message>
    <message>
        <source>The address given to set-website is not an http or https address with a host.</source>
        <translation>O endereço dado a set-website não é um endereço http ou https com um host.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>No command is given: name %1.</source>
        <translation>Nenhum comando foi dado: indique %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a command: name %2.</source>
        <translation>&apos;%1&apos; não é um comando: indique %2.</translation>
    </message>
    <message>
        <source>The option --%1 does not go with %2.</source>
        <translation>A opção --%1 não se aplica a %2.</translation>
    </message>
    <message>
        <source>The option %1 takes no value.</source>
        <translation>A opção %1 não aceita valor.</translation>
    </message>
    <message>
        <source>The option %1 needs a value.</source>
        <translation>A opção %1 precisa de um valor.</translation>
    </message>
    <message>
        <source>The option %1 is not known.</source>
        <translation>A opção %1 não é conhecida.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is one word too many.</source>
        <translation>&apos;%1&apos; é uma palavra a mais.</translation>
    </message>
    <message>
        <source>--file needs the inventory&apos;s path.</source>
        <translation>--file precisa do caminho do inventário.</translation>
    </message>
    <message>
        <source>copy-to-server CONNINFO [--use]</source>
        <translation>copy-to-server CONNINFO [--use]</translation>
    </message>
    <message>
        <source>Copies every record of the inventory onto the empty PostgreSQL database that
CONNINFO (a libpq connection string, without a password) names, in one
transaction, read back and compared before it is kept. --use then writes
QBData.server beside the inventory, so the windows open the server.</source>
        <translation>Copia todos os registros do inventário para o banco de dados PostgreSQL vazio que
CONNINFO (uma string de conexão libpq, sem senha) indica, em uma única
transação, relida e comparada antes de ser mantida. --use então escreve
QBData.server ao lado do inventário, para que as janelas abram o servidor.</translation>
    </message>
    <message>
        <source>copy-to-server needs the server&apos;s connection string.</source>
        <translation>copy-to-server precisa da string de conexão do servidor.</translation>
    </message>
    <message>
        <source>Copied %1 records to the server.</source>
        <translation>Copiados %1 registros para o servidor.</translation>
    </message>
    <message>
        <source>Wrote &apos;%1&apos;: the windows beside it now open the server.</source>
        <translation>Escrito &apos;%1&apos;: as janelas ao lado dele agora abrem o servidor.</translation>
    </message>
    <message>
        <source>copy-from-server CONNINFO --out FILE</source>
        <translation>copy-from-server CONNINFO --out ARQUIVO</translation>
    </message>
    <message>
        <source>Copies every record of the inventory on the server into FILE, a new
inventory file; an existing FILE is left as it is.</source>
        <translation>Copia todos os registros do inventário no servidor para ARQUIVO, um novo
arquivo de inventário; um ARQUIVO existente fica como está.</translation>
    </message>
    <message>
        <source>copy-from-server needs the server&apos;s connection string.</source>
        <translation>copy-from-server precisa da string de conexão do servidor.</translation>
    </message>
    <message>
        <source>copy-from-server needs --out and the new file&apos;s path.</source>
        <translation>copy-from-server precisa de --out e do caminho do novo arquivo.</translation>
    </message>
    <message>
        <source>Copied %1 records from the server to &apos;%2&apos;.</source>
        <translation>Copiados %1 registros do servidor para &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>export-csv [--out FILE] [--for-spreadsheet]</source>
        <translation>export-csv [--out ARQUIVO] [--for-spreadsheet]</translation>
    </message>
    <message>
        <source>Every record in name order as CSV (UTF-8 with a byte-order mark, CRLF between
rows), to FILE or to the standard output. --for-spreadsheet writes values that a
spreadsheet would turn into a date, a number or a formula (1-2, 2/3, 007, =...)
so that it shows them as text.</source>
        <translation>Todos os registros em ordem de nome como CSV (UTF-8 com marca de ordem de bytes,
CRLF entre as linhas), em ARQUIVO ou na saída padrão. --for-spreadsheet escreve os
valores que uma planilha transformaria em data, número ou fórmula (1-2, 2/3, 007,
=...) de modo que ela os mostre como texto.</translation>
    </message>
    <message>
        <source>The record %1 holds bytes that are not UTF-8 text in %2; they were written as the replacement character �. Correct the text in Quillarbon to keep what was meant.</source>
        <translation>O registro %1 tem bytes que não são texto UTF-8 em %2; eles foram escritos como o caractere de substituição �. Corrija o texto no Quillarbon para manter o que se queria dizer.</translation>
    </message>
    <message>
        <source>without a name</source>
        <translation>sem nome</translation>
    </message>
    <message>
        <source>Wrote %1 records to &apos;%2&apos;.</source>
        <translation>Escritos %1 registros em &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>import-access OLD.mdb [--dry-run] [--allow-duplicates]</source>
        <translation>import-access ANTIGO.mdb [--dry-run] [--allow-duplicates]</translation>
    </message>
    <message>
        <source>Adds the records of OLD.mdb, an inventory in the Access format of the program&apos;s
earlier version, all of them or none. A record whose name is already in the
inventory is not added unless --allow-duplicates is given. --dry-run lists what
would come and changes nothing. OLD.mdb is only read.</source>
        <translation>Adiciona os registros de ANTIGO.mdb, um inventário no formato Access da versão
anterior do programa, todos ou nenhum. Um registro cujo nome já está no
inventário não é adicionado, a menos que --allow-duplicates seja dado. --dry-run
lista o que viria e não altera nada. ANTIGO.mdb é apenas lido.</translation>
    </message>
    <message>
        <source>import-access needs the old Access-format file to read.</source>
        <translation>import-access precisa do arquivo antigo no formato Access a ler.</translation>
    </message>
    <message>
        <source>Record %1: %2</source>
        <translation>Registro %1: %2</translation>
    </message>
    <message>
        <source>Columns of the old file that are not the inventory&apos;s, not read: %1.</source>
        <translation>Colunas do arquivo antigo que não são do inventário, não lidas: %1.</translation>
    </message>
    <message>
        <source>Columns the old file lacks, left empty: %1.</source>
        <translation>Colunas que faltam no arquivo antigo, deixadas vazias: %1.</translation>
    </message>
    <message>
        <source>Dry run: %1 of the %2 records of &apos;%3&apos; would be added to &apos;%4&apos;; nothing was written.</source>
        <translation>Simulação: %1 dos %2 registros de &apos;%3&apos; seriam adicionados a &apos;%4&apos;; nada foi escrito.</translation>
    </message>
    <message>
        <source>Added %1 of the %2 records of &apos;%3&apos; to &apos;%4&apos;.</source>
        <translation>Adicionados %1 dos %2 registros de &apos;%3&apos; a &apos;%4&apos;.</translation>
    </message>
    <message>
        <source>Dry run: the %1 records of &apos;%2&apos; would be added to &apos;%3&apos;; nothing was written.</source>
        <translation>Simulação: os %1 registros de &apos;%2&apos; seriam adicionados a &apos;%3&apos;; nada foi escrito.</translation>
    </message>
    <message>
        <source>Added the %1 records of &apos;%2&apos; to &apos;%3&apos;.</source>
        <translation>Adicionados os %1 registros de &apos;%2&apos; a &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>import-csv FILE [--dry-run] [--allow-duplicates] [--create]</source>
        <translation>import-csv ARQUIVO [--dry-run] [--allow-duplicates] [--create]</translation>
    </message>
    <message>
        <source>Adds the rows of FILE, all of them or none. The first line names the columns
(NOME is required, the others may be left out); cells are separated by commas,
or by semicolons as some spreadsheets save them. A row whose NOME is already in
the inventory (letter case and surrounding spaces aside) is not added unless
--allow-duplicates is given. --dry-run reports
what would be added and changes nothing. --create makes an empty inventory first
when there is none.</source>
        <translation>Adiciona as linhas de ARQUIVO, todas ou nenhuma. A primeira linha nomeia as
colunas (NOME é obrigatória, as outras podem faltar); as células são separadas
por vírgulas, ou por ponto e vírgula como algumas planilhas as salvam. Uma linha
cujo NOME já está no inventário (sem contar maiúsculas e espaços em volta) não é
adicionada, a menos que --allow-duplicates seja dado. --dry-run informa o que
seria adicionado e não altera nada. --create cria antes um inventário vazio
quando não há nenhum.</translation>
    </message>
    <message>
        <source>import-csv needs the CSV file to read.</source>
        <translation>import-csv precisa do arquivo CSV a ler.</translation>
    </message>
    <message>
        <source>Line %1 of &apos;%2&apos;: %3.</source>
        <translation>Linha %1 de &apos;%2&apos;: %3.</translation>
    </message>
    <message>
        <source>Line %1: would add &apos;%2&apos;.</source>
        <translation>Linha %1: adicionaria &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>The column &apos;%1&apos; is not a column of the inventory; its cells were not read.</source>
        <translation>A coluna &apos;%1&apos; não é uma coluna do inventário; suas células não foram lidas.</translation>
    </message>
    <message>
        <source>Columns not in the file, left empty: %1.</source>
        <translation>Colunas ausentes do arquivo, deixadas vazias: %1.</translation>
    </message>
    <message>
        <source>Line %1 repeats the column names of the first line; it was read as column names, not as a chemical.</source>
        <translation>A linha %1 repete os nomes das colunas da primeira linha; foi lida como nomes de colunas, não como um produto químico.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>Dry run: %1 of the %2 rows would be added to &apos;%3&apos;; nothing was written.</source>
        <translation>Simulação: %1 das %2 linhas seriam adicionadas a &apos;%3&apos;; nada foi escrito.</translation>
    </message>
    <message>
        <source>Added %1 of the %2 rows to &apos;%3&apos;.</source>
        <translation>Adicionadas %1 das %2 linhas a &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>The output &apos;%1&apos; is the inventory itself; writing it would destroy the inventory. Name another file.</source>
        <translation>A saída &apos;%1&apos; é o próprio inventário; escrevê-la destruiria o inventário. Indique outro arquivo.</translation>
    </message>
    <message>
        <source>The output &apos;%1&apos; is a folder. Name a file.</source>
        <translation>A saída &apos;%1&apos; é uma pasta. Indique um arquivo.</translation>
    </message>
    <message>
        <source>The output &apos;%1&apos; is a device or a socket, not a file; writing there could destroy what it holds. Name a file.</source>
        <translation>A saída &apos;%1&apos; é um dispositivo ou um socket, não um arquivo; escrever nela poderia destruir o que ela contém. Indique um arquivo.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written (%2). Check that its folder exists and that you may write there.</source>
        <translation>O arquivo &apos;%1&apos; não pode ser escrito (%2). Verifique se a pasta existe e se você tem permissão de escrita nela.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be saved (%2). Check that the disk has room; nothing was written.</source>
        <translation>O arquivo &apos;%1&apos; não pôde ser salvo (%2). Verifique se há espaço no disco; nada foi escrito.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; did not take every byte (%2); what it holds is not complete.</source>
        <translation>&apos;%1&apos; não recebeu todos os bytes (%2); o que ele contém não está completo.</translation>
    </message>
    <message>
        <source>The standard output cannot be written (%1).</source>
        <translation>A saída padrão não pode ser escrita (%1).</translation>
    </message>
    <message>
        <source>labels</source>
        <translation>etiquetas</translation>
    </message>
    <message>
        <source>labels --out FILE.pdf [--location TEXT] [--sheet NAME]</source>
        <translation>labels --out ARQUIVO.pdf [--location TEXTO] [--sheet NOME]</translation>
    </message>
    <message>
        <source>A label for each chemical&apos;s container, on a sheet of self-adhesive labels: its
name, formula, place, hazard pictograms and signal word, and a QR code of its
name and place. --location prints the labels of the places whose name contains
TEXT only. --sheet names the sheet of labels: a4-3x8 (A4, 3 x 8 labels of
70 x 37 mm; the default), a4-2x7 (A4, 2 x 7 labels of 99.1 x 38.1 mm) or
letter-3x10 (US Letter, 3 x 10 labels of 2 5/8 x 1 in).
</source>
        <translation>Uma etiqueta para o frasco de cada produto químico, numa folha de etiquetas
adesivas: nome, fórmula, local, pictogramas de perigo e palavra de advertência, e
um código QR com o nome e o local. --location imprime só as etiquetas dos locais
cujo nome contém TEXTO. --sheet indica a folha de etiquetas: a4-3x8 (A4, 3 x 8
etiquetas de 70 x 37 mm; o padrão), a4-2x7 (A4, 2 x 7 etiquetas de 99,1 x 38,1 mm)
ou letter-3x10 (US Letter, 3 x 10 etiquetas de 2 5/8 x 1 pol.).
</translation>
    </message>
    <message>
        <source>sheet</source>
        <translation>folha</translation>
    </message>
    <message>
        <source>labels needs --out FILE.pdf, the file to write.</source>
        <translation>labels precisa de --out ARQUIVO.pdf, o arquivo a escrever.</translation>
    </message>
    <message>
        <source>--sheet needs the name of a sheet of labels.</source>
        <translation>--sheet precisa do nome de uma folha de etiquetas.</translation>
    </message>
    <message>
        <source>The label of &apos;%1&apos; has no QR code: its name and place are too long for a code that can be read at this label&apos;s size.</source>
        <translation>A etiqueta de &apos;%1&apos; não tem código QR: o nome e o local são longos demais para um código legível no tamanho desta etiqueta.</translation>
    </message>
    <message>
        <source>Wrote %1 %2 on %3 %4 (%5) to &apos;%6&apos;.</source>
        <translation>Escritas %1 %2 em %3 %4 (%5) em &apos;%6&apos;.</translation>
    </message>
    <message>
        <source>label</source>
        <translation>etiqueta</translation>
    </message>
    <message>
        <source>sheets</source>
        <translation>folhas</translation>
    </message>
    <message>
        <source>print --out FILE.pdf [--location TEXT] [--letter]</source>
        <translation>print --out ARQUIVO.pdf [--location TEXTO] [--letter]</translation>
    </message>
    <message>
        <source>A shelf list to hang on each storing place: one section per place, each chemical
with its formula, quantity, signal word and hazard pictograms. --location prints
only the places whose name contains TEXT; --letter uses US Letter paper, not A4.</source>
        <translation>Uma lista de prateleira para afixar em cada local de armazenamento: uma seção por
local, cada produto químico com fórmula, quantidade, palavra de advertência e
pictogramas de perigo. --location imprime só os locais cujo nome contém TEXTO;
--letter usa papel US Letter, não A4.</translation>
    </message>
    <message>
        <source>print needs --out FILE.pdf, the file to write.</source>
        <translation>print precisa de --out ARQUIVO.pdf, o arquivo a escrever.</translation>
    </message>
    <message>
        <source>The place &apos;%1&apos;</source>
        <translation>O local &apos;%1&apos;</translation>
    </message>
    <message>
        <source>The record &apos;%1&apos; (in &apos;%2&apos;)</source>
        <translation>O registro &apos;%1&apos; (em &apos;%2&apos;)</translation>
    </message>
    <message>
        <source>%1 holds characters that no installed font has (%2); the list cannot show them. Install fonts that have them, or write the name without them.</source>
        <translation>%1 contém caracteres que nenhuma fonte instalada tem (%2); a lista não pode mostrá-los. Instale fontes que os tenham, ou escreva o nome sem eles.</translation>
    </message>
    <message>
        <source>Wrote %1 %2 (%3 chemicals in %4 %5) to &apos;%6&apos;.</source>
        <translation>Escritas %1 %2 (%3 produtos químicos em %4 %5) em &apos;%6&apos;.</translation>
    </message>
    <message>
        <source>page</source>
        <translation>página</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>páginas</translation>
    </message>
    <message>
        <source>place</source>
        <translation>local</translation>
    </message>
    <message>
        <source>places</source>
        <translation>locais</translation>
    </message>
    <message>
        <source>set-website URL</source>
        <translation>set-website URL</translation>
    </message>
    <message>
        <source>Stores the laboratory&apos;s own web address in the inventory: the main window&apos;s
link shows and opens it. Only an http or https address with a host is taken.</source>
        <translation>Guarda no inventário o endereço web do próprio laboratório: o link da janela
principal o mostra e o abre. Só é aceito um endereço http ou https com um host.</translation>
    </message>
    <message>
        <source>set-website needs one address, such as https://example.org/lab.</source>
        <translation>set-website precisa de um endereço, como https://example.org/lab.</translation>
    </message>
    <message>
        <source>The main window&apos;s web-site link now opens %1.</source>
        <translation>O link do site na janela principal agora abre %1.</translation>
    </message>
    <message>
        <source>The command line is not understood; run quillarbon-data --help.</source>
        <translation>A linha de comando não foi entendida; execute quillarbon-data --help.</translation>
    </message>
    <message>
        <source>The output file cannot be written.</source>
        <translation>O arquivo de saída não pode ser escrito.</translation>
    </message>
    <message>
        <source>The output file is the inventory itself.</source>
        <translation>O arquivo de saída é o próprio inventário.</translation>
    </message>
    <message>
        <source>The CSV file cannot be read.</source>
        <translation>O arquivo CSV não pode ser lido.</translation>
    </message>
    <message>
        <source>The CSV file is not UTF-8 text; save it as CSV UTF-8.</source>
        <translation>O arquivo CSV não é texto UTF-8; salve-o como CSV UTF-8.</translation>
    </message>
    <message>
        <source>The first line of the CSV file does not name the inventory&apos;s columns.</source>
        <translation>A primeira linha do arquivo CSV não nomeia as colunas do inventário.</translation>
    </message>
    <message>
        <source>A row of the CSV file is wrong.</source>
        <translation>Uma linha do arquivo CSV está errada.</translation>
    </message>
    <message>
        <source>Rows of the CSV file are wrong; nothing was added.</source>
        <translation>Há linhas erradas no arquivo CSV; nada foi adicionado.</translation>
    </message>
    <message>
        <source>There is no record to print.</source>
        <translation>Não há registro a imprimir.</translation>
    </message>
    <message>
        <source>The output is a device or a socket, not a file; name a file.</source>
        <translation>A saída é um dispositivo ou um socket, não um arquivo; indique um arquivo.</translation>
    </message>
    <message>
        <source>Stored text that is not UTF-8 was written with replacement characters.</source>
        <translation>Texto guardado que não é UTF-8 foi escrito com caracteres de substituição.</translation>
    </message>
    <message>
        <source>Characters that no installed font has cannot be printed.</source>
        <translation>Caracteres que nenhuma fonte instalada tem não podem ser impressos.</translation>
    </message>
    <message>
        <source>The label sheet is not known; run quillarbon-data --help for the sheets.</source>
        <translation>A folha de etiquetas não é conhecida; execute quillarbon-data --help para ver as folhas.</translation>
    </message>
    <message>
        <source>A label&apos;s QR code could not be made; check that memory is free and try again.</source>
        <translation>O código QR de uma etiqueta não pôde ser gerado; verifique se há memória livre e tente de novo.</translation>
    </message>
    <message>
        <source>The CSV could not be written to %1 (%2). Check that the disk has room and that you may write there.</source>
        <translation>O CSV não pôde ser escrito em %1 (%2). Verifique se há espaço no disco e se você tem permissão de escrita ali.</translation>
    </message>
    <message>
        <source>the standard output</source>
        <translation>a saída padrão</translation>
    </message>
    <message>
        <source>The CSV file %1 could not be read to the end (%2).</source>
        <translation>O arquivo CSV %1 não pôde ser lido até o fim (%2).</translation>
    </message>
    <message>
        <source>a cell opened with a quote on line %1 is never closed; check that every quote in a cell is doubled</source>
        <translation>uma célula aberta com aspas na linha %1 nunca é fechada; verifique se cada aspa dentro de uma célula está duplicada</translation>
    </message>
    <message>
        <source>cell %1 has text after its closing quote; a quote inside a cell must be doubled</source>
        <translation>a célula %1 tem texto depois das aspas de fechamento; uma aspa dentro de uma célula deve ser duplicada</translation>
    </message>
    <message>
        <source>The CSV file &apos;%1&apos; is empty. Its first line must name the columns, such as NOME,FORMULA,LOCAL.</source>
        <translation>O arquivo CSV &apos;%1&apos; está vazio. A primeira linha deve nomear as colunas, como NOME,FORMULA,LOCAL.</translation>
    </message>
    <message>
        <source>The first line of &apos;%1&apos; cannot be read: %2.</source>
        <translation>A primeira linha de &apos;%1&apos; não pode ser lida: %2.</translation>
    </message>
    <message>
        <source>The first line of &apos;%1&apos; is not UTF-8 text. Save the file as CSV UTF-8 and import it again.</source>
        <translation>A primeira linha de &apos;%1&apos; não é texto UTF-8. Salve o arquivo como CSV UTF-8 e importe-o de novo.</translation>
    </message>
    <message>
        <source>The first line of &apos;%1&apos; names the column %2 twice (cells %3 and %4). Remove one of them.</source>
        <translation>A primeira linha de &apos;%1&apos; nomeia a coluna %2 duas vezes (células %3 e %4). Remova uma delas.</translation>
    </message>
    <message>
        <source>(cell %1, no name)</source>
        <translation>(célula %1, sem nome)</translation>
    </message>
    <message>
        <source>The first line of &apos;%1&apos; has no NOME column, and every chemical needs a name. The first line must name the columns, such as NOME,FORMULA,LOCAL.</source>
        <translation>A primeira linha de &apos;%1&apos; não tem a coluna NOME, e todo produto químico precisa de um nome. A primeira linha deve nomear as colunas, como NOME,FORMULA,LOCAL.</translation>
    </message>
    <message>
        <source>it has %1 cells where the first line names %2 columns; a cell that holds a comma or a line break must be in quotes</source>
        <translation>ela tem %1 células onde a primeira linha nomeia %2 colunas; uma célula que contém uma vírgula ou uma quebra de linha deve estar entre aspas</translation>
    </message>
    <message>
        <source>cell %1 is not UTF-8 text; save the file as CSV UTF-8</source>
        <translation>a célula %1 não é texto UTF-8; salve o arquivo como CSV UTF-8</translation>
    </message>
    <message>
        <source>the NOME cell is empty; every chemical needs a name</source>
        <translation>a célula NOME está vazia; todo produto químico precisa de um nome</translation>
    </message>
    <message>
        <source>the NOME cell holds the control character %1, which no name holds; remove it</source>
        <translation>a célula NOME contém o caractere de controle %1, que nenhum nome contém; remova-o</translation>
    </message>
    <message>
        <source>The CSV file &apos;%1&apos; cannot be read (%2). Check its name and that you may read it.</source>
        <translation>O arquivo CSV &apos;%1&apos; não pode ser lido (%2). Verifique o nome e se você tem permissão de leitura.</translation>
    </message>
    <message>
        <source>The CSV file &apos;%1&apos; is UTF-16 or UTF-32 text. Save it as CSV UTF-8 and import it again.</source>
        <translation>O arquivo CSV &apos;%1&apos; é texto UTF-16 ou UTF-32. Salve-o como CSV UTF-8 e importe-o de novo.</translation>
    </message>
    <message>
        <source>The CSV file &apos;%1&apos; is not UTF-8 text: many of its bytes are zero, as in UTF-16 or UTF-32 text without a byte-order mark. Save it as CSV UTF-8 and import it again.</source>
        <translation>O arquivo CSV &apos;%1&apos; não é texto UTF-8: muitos de seus bytes são zero, como em texto UTF-16 ou UTF-32 sem marca de ordem de bytes. Salve-o como CSV UTF-8 e importe-o de novo.</translation>
    </message>
    <message>
        <source>%1 of the %2 rows of &apos;%3&apos; are wrong (listed above), so nothing was added. Correct them and import the file again.</source>
        <translation>%1 das %2 linhas de &apos;%3&apos; estão erradas (listadas acima), por isso nada foi adicionado. Corrija-as e importe o arquivo de novo.</translation>
    </message>
    <message>
        <source>There is no label sheet &apos;%1&apos;. Name one of %2.</source>
        <translation>Não existe a folha de etiquetas &apos;%1&apos;. Indique uma de %2.</translation>
    </message>
    <message>
        <source>The connection string holds a password. Nothing was copied. Keep the password in ~/.pgpass, or in the service file the connection string names, and give the string without it.</source>
        <translation>A string de conexão contém uma senha. Nada foi copiado. Guarde a senha em ~/.pgpass, ou no arquivo de serviço que a string de conexão indica, e dê a string sem ela.</translation>
    </message>
    <message>
        <source>The records are on the server, but &apos;%1&apos; could not be written (%2). Write the connection string into it yourself, on one line.</source>
        <translation>Os registros estão no servidor, mas &apos;%1&apos; não pôde ser escrito (%2). Escreva você mesmo a string de conexão nele, em uma linha.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists; it was left as it is. Name a new file for the copy.</source>
        <translation>O arquivo &apos;%1&apos; já existe; ele foi deixado como está. Indique um arquivo novo para a cópia.</translation>
    </message>
    <message>
        <source>The copy could not take the name &apos;%1&apos;. Nothing was written there.</source>
        <translation>A cópia não pôde receber o nome &apos;%1&apos;. Nada foi escrito ali.</translation>
    </message>
    <message>
        <source>%1 adds records to an inventory file only; nothing was sent to the server. Import into a file (--file), then copy that file onto an empty database with copy-to-server.</source>
        <translation>%1 acrescenta registros apenas a um arquivo de inventário; nada foi enviado ao servidor. Importe para um arquivo (--file) e depois copie esse arquivo para um banco de dados vazio com copy-to-server.</translation>
    </message>
    <message>
        <source>Usage: quillarbon-data [--file PATH | --server CONNINFO] COMMAND [OPTIONS]

Works on the inventory QBData.mdb in the program&apos;s folder, or on the one --file names.
--server works on the inventory on a PostgreSQL server instead: CONNINFO is a libpq
connection string (service=quillarbon, postgresql://host/db?sslmode=verify-full).
export-csv, print, labels, check-storage and set-website take it; the imports add
to a file only.

Commands:
</source>
        <translation>Uso: quillarbon-data [--file CAMINHO | --server CONNINFO] COMANDO [OPÇÕES]

Trabalha no inventário QBData.mdb da pasta do programa, ou no que --file indicar.
--server trabalha no inventário de um servidor PostgreSQL: CONNINFO é uma string de
conexão libpq (service=quillarbon, postgresql://host/db?sslmode=verify-full).
export-csv, print, labels, check-storage e set-website aceitam essa opção; as
importações acrescentam apenas a um arquivo.

Comandos:
</translation>
    </message>
    <message>
        <source>--server needs the server&apos;s connection string.</source>
        <translation>--server precisa da string de conexão do servidor.</translation>
    </message>
    <message>
        <source>--file and --server name two inventories; give one of them.</source>
        <translation>--file e --server indicam dois inventários; dê apenas um deles.</translation>
    </message>
    <message>
        <source>Records are imported into a file; copy the file to a server with copy-to-server.</source>
        <translation>Registros são importados para um arquivo; copie o arquivo para um servidor com copy-to-server.</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the records read from %1 (%2). Set TMPDIR to a folder with free space.</source>
        <translation>Não foi possível criar uma pasta temporária para os registros lidos de %1 (%2). Defina TMPDIR como uma pasta com espaço livre.</translation>
    </message>
</context>
<context>
    <name>ConvertDialog</name>
    <message>
        <source>The inventory file &apos;%1&apos; is in the old Access format of an earlier version of the program (%2 records).<byte value="xd"/>
<byte value="xd"/>
Convert it to the current format now? The old file is kept beside it as &apos;%3&apos;.<byte value="xd"/>
<byte value="xd"/>
Choose No to quit; nothing is changed.</source>
        <translation>O arquivo de inventário &apos;%1&apos; está no antigo formato Access de uma versão anterior do programa (%2 registros).<byte value="xd"/>
<byte value="xd"/>
Convertê-lo agora para o formato atual? O arquivo antigo fica guardado ao lado dele como &apos;%3&apos;.<byte value="xd"/>
<byte value="xd"/>
Escolha Não para sair; nada é alterado.</translation>
    </message>
    <message>
        <source>Converting the inventory</source>
        <translation>Convertendo o inventário</translation>
    </message>
    <message>
        <source>Converting record %1 of %2</source>
        <translation>Convertendo o registro %1 de %2</translation>
    </message>
    <message>
        <source>Checking record %1 of %2</source>
        <translation>Verificando o registro %1 de %2</translation>
    </message>
</context>
<context>
    <name>Data</name>
    <message>
        <source>No current record.</source>
        <translation>Nenhum registro atual.</translation>
    </message>
    <message>
        <source>Record is deleted: another window or program removed it. Refresh to see the records as they are now.</source>
        <translation>O registro foi excluído: outra janela ou programa o removeu. Atualize para ver os registros como estão agora.</translation>
    </message>
    <message>
        <source>There is no record at that position.</source>
        <translation>Não há registro nessa posição.</translation>
    </message>
    <message>
        <source>The record set is not open.</source>
        <translation>O conjunto de registros não está aberto.</translation>
    </message>
    <message>
        <source>The action was cancelled.</source>
        <translation>A ação foi cancelada.</translation>
    </message>
    <message>
        <source>The database file cannot be found.</source>
        <translation>O arquivo do banco de dados não foi encontrado.</translation>
    </message>
    <message>
        <source>The folder of the database file does not exist.</source>
        <translation>A pasta do arquivo do banco de dados não existe.</translation>
    </message>
    <message>
        <source>The file is not a database of this program.</source>
        <translation>O arquivo não é um banco de dados deste programa.</translation>
    </message>
    <message>
        <source>The file is an Access (Jet) database of an earlier version of the program.</source>
        <translation>O arquivo é um banco de dados Access (Jet) de uma versão anterior do programa.</translation>
    </message>
    <message>
        <source>The database file is damaged.</source>
        <translation>O arquivo do banco de dados está danificado.</translation>
    </message>
    <message>
        <source>The database file cannot be read.</source>
        <translation>O arquivo do banco de dados não pode ser lido.</translation>
    </message>
    <message>
        <source>The database file or its folder is read-only.</source>
        <translation>O arquivo do banco de dados ou sua pasta é somente leitura.</translation>
    </message>
    <message>
        <source>The database file is locked by another program.</source>
        <translation>O arquivo do banco de dados está bloqueado por outro programa.</translation>
    </message>
    <message>
        <source>The disk could not be read or written.</source>
        <translation>O disco não pôde ser lido ou gravado.</translation>
    </message>
    <message>
        <source>The database file was made by a newer version of the program.</source>
        <translation>O arquivo do banco de dados foi criado por uma versão mais nova do programa.</translation>
    </message>
    <message>
        <source>The database file lies on a network share, where programs on several desks can damage it.</source>
        <translation>O arquivo do banco de dados está numa pasta compartilhada da rede, onde programas em vários computadores podem danificá-lo.</translation>
    </message>
    <message>
        <source>The database has no such table.</source>
        <translation>O banco de dados não tem essa tabela.</translation>
    </message>
    <message>
        <source>Item not found in this collection.</source>
        <translation>Item não encontrado nesta coleção.</translation>
    </message>
    <message>
        <source>The record source is not a table name or SELECT * FROM table [ORDER BY column].</source>
        <translation>A origem dos registros não é um nome de tabela nem SELECT * FROM tabela [ORDER BY coluna].</translation>
    </message>
    <message>
        <source>The connect string names a database format this program cannot open.</source>
        <translation>A string de conexão indica um formato de banco de dados que este programa não consegue abrir.</translation>
    </message>
    <message>
        <source>The record set is read-only.</source>
        <translation>O conjunto de registros é somente leitura.</translation>
    </message>
    <message>
        <source>The change breaks a rule of the table.</source>
        <translation>A alteração viola uma regra da tabela.</translation>
    </message>
    <message>
        <source>Another window or program changed the record since it was shown; nothing was saved. Refresh to see the record as it is now.</source>
        <translation>Outra janela ou programa alterou o registro depois que ele foi exibido; nada foi salvo. Atualize para ver o registro como está agora.</translation>
    </message>
    <message>
        <source>The database reported an error.</source>
        <translation>O banco de dados informou um erro.</translation>
    </message>
    <message>
        <source>No database file is named.</source>
        <translation>Nenhum arquivo de banco de dados foi indicado.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; of the database file &apos;%2&apos; does not exist.</source>
        <translation>A pasta &apos;%1&apos; do arquivo do banco de dados &apos;%2&apos; não existe.</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; cannot be found. Put the file in that folder, or start the program where the file is.</source>
        <translation>O arquivo do banco de dados &apos;%1&apos; não foi encontrado. Coloque o arquivo nessa pasta, ou inicie o programa onde o arquivo está.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a database file.</source>
        <translation>&apos;%1&apos; é uma pasta, não um arquivo de banco de dados.</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; cannot be read (%2). Check its permissions.</source>
        <translation>O arquivo do banco de dados &apos;%1&apos; não pode ser lido (%2). Verifique as permissões dele.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is empty: it holds no database.</source>
        <translation>O arquivo &apos;%1&apos; está vazio: não contém banco de dados.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is an Access (Jet) database of an earlier version of the program. This version reads only its own database format; the file was left unchanged.</source>
        <translation>O arquivo &apos;%1&apos; é um banco de dados Access (Jet) de uma versão anterior do programa. Esta versão lê apenas o seu próprio formato de banco de dados; o arquivo não foi alterado.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a database of this program. Check that the right file lies in the program&apos;s folder.</source>
        <translation>O arquivo &apos;%1&apos; não é um banco de dados deste programa. Verifique se o arquivo certo está na pasta do programa.</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; is on a read-only disc or share: you can look and search, but no change can be saved there. To change the inventory, copy the file to a folder where you may write.</source>
        <translation>O arquivo do banco de dados &apos;%1&apos; está num disco ou compartilhamento somente leitura: você pode consultar e pesquisar, mas nenhuma alteração pode ser salva ali. Para alterar o inventário, copie o arquivo para uma pasta onde você tenha permissão de escrita.</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; is read-only: you can look and search, but no change can be saved in it. To change the inventory, allow writing to the file, or copy it to a folder where you may write.</source>
        <translation>O arquivo do banco de dados &apos;%1&apos; é somente leitura: você pode consultar e pesquisar, mas nenhuma alteração pode ser salva nele. Para alterar o inventário, permita a escrita no arquivo, ou copie-o para uma pasta onde você tenha permissão de escrita.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; of the database file &apos;%2&apos; is read-only, and the program writes its journal beside the file: you can look and search, but no change can be saved. To change the inventory, allow writing to the folder, or copy the file to a folder where you may write.</source>
        <translation>A pasta &apos;%1&apos; do arquivo do banco de dados &apos;%2&apos; é somente leitura, e o programa grava seu diário ao lado do arquivo: você pode consultar e pesquisar, mas nenhuma alteração pode ser salva. Para alterar o inventário, permita a escrita na pasta, ou copie o arquivo para uma pasta onde você tenha permissão de escrita.</translation>
    </message>
    <message>
        <source>opening it</source>
        <translation>abri-lo</translation>
    </message>
    <message>
        <source>opening it exclusively</source>
        <translation>abri-lo com exclusividade</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; keeps a write-ahead log, which cannot be read in the read-only folder &apos;%2&apos;. Copy the file to a folder where you may write, and open the copy.</source>
        <translation>O arquivo do banco de dados &apos;%1&apos; mantém um registro de escrita antecipada (write-ahead log), que não pode ser lido na pasta somente leitura &apos;%2&apos;. Copie o arquivo para uma pasta onde você tenha permissão de escrita, e abra a cópia.</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; is damaged: the check made when it was opened found %2. You can look at it, but no change is saved into it, so the damage gets no worse. Keep a copy of the file as it is now, and open the last backup copy of the inventory.</source>
        <translation>O arquivo do banco de dados &apos;%1&apos; está danificado: a verificação feita ao abri-lo encontrou %2. Você pode consultá-lo, mas nenhuma alteração é salva nele, para que o dano não piore. Guarde uma cópia do arquivo como está agora, e abra a última cópia de segurança do inventário.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists; it was left as it is.</source>
        <translation>O arquivo &apos;%1&apos; já existe; ele foi deixado como está.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; does not exist.</source>
        <translation>A pasta &apos;%1&apos; não existe.</translation>
    </message>
    <message>
        <source>creating it</source>
        <translation>criá-lo</translation>
    </message>
    <message>
        <source>The new database &apos;%1&apos; could not be filled: %2.</source>
        <translation>O novo banco de dados &apos;%1&apos; não pôde ser preenchido: %2.</translation>
    </message>
    <message>
        <source> while %1</source>
        <translation> ao %1</translation>
    </message>
    <message>
        <source>The disk that holds &apos;%1&apos; is full%2. Make room on it and try again; nothing was changed.</source>
        <translation>O disco que contém &apos;%1&apos; está cheio%2. Libere espaço nele e tente de novo; nada foi alterado.</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; is locked by another program%2. Try again when that program has finished.</source>
        <translation>O arquivo do banco de dados &apos;%1&apos; está bloqueado por outro programa%2. Tente de novo quando esse programa terminar.</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; is damaged (%2)%3. Restore it from a backup copy.</source>
        <translation>O arquivo do banco de dados &apos;%1&apos; está danificado (%2)%3. Restaure-o a partir de uma cópia de segurança.</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; cannot be written%2: it or its folder is read-only.</source>
        <translation>O arquivo do banco de dados &apos;%1&apos; não pode ser gravado%2: ele ou sua pasta é somente leitura.</translation>
    </message>
    <message>
        <source>The disk could not read or write &apos;%1&apos; (%2)%3.</source>
        <translation>O disco não conseguiu ler ou gravar &apos;%1&apos; (%2)%3.</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; cannot be opened (%2)%3.</source>
        <translation>O arquivo do banco de dados &apos;%1&apos; não pode ser aberto (%2)%3.</translation>
    </message>
    <message>
        <source>The change was not saved: it breaks a rule of the table in &apos;%1&apos; (%2).</source>
        <translation>A alteração não foi salva: ela viola uma regra da tabela em &apos;%1&apos; (%2).</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; reported an error%3: %2.</source>
        <translation>O banco de dados &apos;%1&apos; informou um erro%3: %2.</translation>
    </message>
    <message>
        <source>The database file &apos;%1&apos; was made by a newer version of the program (file format %2; this version reads formats up to %3). Open it with that version, or install it here.</source>
        <translation>O arquivo do banco de dados &apos;%1&apos; foi criado por uma versão mais nova do programa (formato de arquivo %2; esta versão lê formatos até %3). Abra-o com essa versão, ou instale-a aqui.</translation>
    </message>
    <message>
        <source>bringing it to the current format</source>
        <translation>convertê-lo para o formato atual</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; was opened read-only; nothing was written.</source>
        <translation>O banco de dados &apos;%1&apos; foi aberto somente para leitura; nada foi gravado.</translation>
    </message>
    <message>
        <source>starting to write</source>
        <translation>começar a gravar</translation>
    </message>
    <message>
        <source>saving the change</source>
        <translation>salvar a alteração</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 em %2</translation>
    </message>
</context>
<context>
    <name>Inventory</name>
    <message>
        <source>The database &apos;%1&apos; has no table %2: the file is not an inventory of this program.</source>
        <translation>O banco de dados &apos;%1&apos; não tem a tabela %2: o arquivo não é um inventário deste programa.</translation>
    </message>
    <message>
        <source>The table &apos;%1&apos; in &apos;%3&apos; has no column &apos;%2&apos;: the file is not an inventory of this program.</source>
        <translation>A tabela &apos;%1&apos; em &apos;%3&apos; não tem a coluna &apos;%2&apos;: o arquivo não é um inventário deste programa.</translation>
    </message>
    <message>
        <source>The column &apos;%2&apos; of the table &apos;%1&apos; in &apos;%4&apos; is not column number %3: the file is not an inventory of this program.</source>
        <translation>A coluna &apos;%2&apos; da tabela &apos;%1&apos; em &apos;%4&apos; não é a coluna número %3: o arquivo não é um inventário deste programa.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a web address the link can open: give a whole http or https address with a host, such as %2. Nothing was changed.</source>
        <translation>&apos;%1&apos; não é um endereço web que o link consiga abrir: dê um endereço http ou https completo com um host, como %2. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The storage groups built into the program cannot be read; reinstall it.</source>
        <translation>Os grupos de armazenamento embutidos no programa não podem ser lidos; reinstale-o.</translation>
    </message>
    <message>
        <source>No chemical is in the storing places named, so there is nothing to check.</source>
        <translation>Nenhum produto químico está nos locais de armazenamento indicados; não há nada a verificar.</translation>
    </message>
    <message>
        <source>storing the laboratory&apos;s web address</source>
        <translation>gravar o endereço web do laboratório</translation>
    </message>
</context>
<context>
    <name>StorageCheckWindow</name>
    <message>
        <source>Storage Check</source>
        <translation>Verificação do armazenamento</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Places and chemicals to check</source>
        <translation>Locais e reagentes a verificar</translation>
    </message>
    <message>
        <source>Enter on a chemical shows it in the main window</source>
        <translation>Enter sobre um reagente o mostra na janela principal</translation>
    </message>
    <message>
        <source>&amp;Show in Main Window</source>
        <translation>&amp;Mostrar na janela principal</translation>
    </message>
    <message>
        <source>Show in main window</source>
        <translation>Mostrar na janela principal</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>No storing place holds chemicals that must be kept apart.</source>
        <translation>Nenhum local de armazenamento guarda reagentes que devam ficar separados.</translation>
    </message>
    <message>
        <source>1 storing place holds chemicals that must be kept apart.</source>
        <translation>1 local de armazenamento guarda reagentes que devem ficar separados.</translation>
    </message>
    <message>
        <source>%1 storing places hold chemicals that must be kept apart.</source>
        <translation>%1 locais de armazenamento guardam reagentes que devem ficar separados.</translation>
    </message>
    <message>
        <source>Every chemical has a storage group.</source>
        <translation>Todos os reagentes têm grupo de armazenamento.</translation>
    </message>
    <message>
        <source>1 chemical has no storage group that its record tells; set it with a line &quot;Storage group: F&quot; in its hazards.</source>
        <translation>1 reagente não tem grupo de armazenamento indicado no registro; defina-o com uma linha &quot;Storage group: F&quot; nos perigos dele.</translation>
    </message>
    <message>
        <source>%1 chemicals have no storage group that their records tell; set one with a line &quot;Storage group: F&quot; in the hazards.</source>
        <translation>%1 reagentes não têm grupo de armazenamento indicado nos registros; defina-o com uma linha &quot;Storage group: F&quot; nos perigos.</translation>
    </message>
    <message>
        <source> Groups and chart: Prudent Practices in the Laboratory (2011), chapter 5.</source>
        <translation> Grupos e tabela: Prudent Practices in the Laboratory (2011), capítulo 5.</translation>
    </message>
</context>
<context>
    <name>StorageReportModel</name>
    <message>
        <source>1 chemical</source>
        <translation>1 reagente</translation>
    </message>
    <message>
        <source>%1 chemicals</source>
        <translation>%1 reagentes</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>… and %1 more of group %2</source>
        <translation>… e mais %1 do grupo %2</translation>
    </message>
    <message>
        <source>1 pair of groups to keep apart</source>
        <translation>1 par de grupos a manter separados</translation>
    </message>
    <message>
        <source>%1 pairs of groups to keep apart</source>
        <translation>%1 pares de grupos a manter separados</translation>
    </message>
    <message>
        <source>%1 of unknown group</source>
        <translation>%1 de grupo desconhecido</translation>
    </message>
    <message>
        <source>(no location)</source>
        <translation>(sem local)</translation>
    </message>
    <message>
        <source>Keep apart: %1</source>
        <translation>Manter separados: %1</translation>
    </message>
    <message>
        <source>Storage group unknown</source>
        <translation>Grupo de armazenamento desconhecido</translation>
    </message>
    <message>
        <source>no place is recorded; %1</source>
        <translation>nenhum local registrado; %1</translation>
    </message>
    <message>
        <source>Enter shows this chemical in the main window</source>
        <translation>Enter mostra este reagente na janela principal</translation>
    </message>
    <message>
        <source>Place and chemicals</source>
        <translation>Local e reagentes</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
</context>
<context>
    <name>Tamsel</name>
    <message>
        <source>Chemicals found</source>
        <translation>Reagentes encontrados</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Search by parcial name or molecular formula</source>
        <translation>Pesquise por parte do nome ou pela fórmula molecular</translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Texto da pesquisa</translation>
    </message>
    <message>
        <source>Seek</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Chemical record</source>
        <translation>Registro do reagente</translation>
    </message>
    <message>
        <source>Chemical details</source>
        <translation>Detalhes do reagente</translation>
    </message>
    <message>
        <source>Identily</source>
        <translation>Identificação</translation>
    </message>
    <message>
        <source>Chemical Name</source>
        <translation>Nome químico</translation>
    </message>
    <message>
        <source>Aldrich Name</source>
        <translation>Nome Aldrich</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Fórmula</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Fornecedor</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantidade</translation>
    </message>
    <message>
        <source>NAME IN THE LINGUAGE OF YOUR CHOICE</source>
        <translation>NOME NO IDIOMA DE SUA ESCOLHA</translation>
    </message>
    <message>
        <source>NAME ACCORDING TO ALDRICH CATALOG</source>
        <translation>NOME SEGUNDO O CATÁLOGO ALDRICH</translation>
    </message>
    <message>
        <source>MOLECULAR FORMULA</source>
        <translation>FÓRMULA MOLECULAR</translation>
    </message>
    <message>
        <source>STORING PLACE</source>
        <translation>LOCAL DE ARMAZENAMENTO</translation>
    </message>
    <message>
        <source>AVAILABLE AMOUNT</source>
        <translation>QUANTIDADE DISPONÍVEL</translation>
    </message>
    <message>
        <source>&amp;Physical Properties</source>
        <translation>Propriedades &amp;físicas</translation>
    </message>
    <message>
        <source>molecular weight</source>
        <translation>massa molar</translation>
    </message>
    <message>
        <source>melting point</source>
        <translation>ponto de fusão</translation>
    </message>
    <message>
        <source>boiling point</source>
        <translation>ponto de ebulição</translation>
    </message>
    <message>
        <source>density</source>
        <translation>densidade</translation>
    </message>
    <message>
        <source>caracteristic/solubility</source>
        <translation>características/solubilidade</translation>
    </message>
    <message>
        <source>Hazards</source>
        <translation>Perigos</translation>
    </message>
    <message>
        <source>hazards data</source>
        <translation>dados de perigos</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Registro</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;New Record</source>
        <translation>&amp;Novo registro</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <source>Sa&amp;ve Record</source>
        <translation>&amp;Salvar registro</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;List Chemicals</source>
        <translation>&amp;Listar reagentes</translation>
    </message>
    <message>
        <source>&amp;Storage Check</source>
        <translation>&amp;Verificação do armazenamento</translation>
    </message>
    <message>
        <source>Ab&amp;out</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Add New Record</source>
        <translation>Adicionar novo registro</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Remove Record</source>
        <translation>Excluir registro</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>Salvar registro</translation>
    </message>
    <message>
        <source>View List</source>
        <translation>Ver lista</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Opens the laboratory&apos;s web site</source>
        <translation>Abre o site do laboratório</translation>
    </message>
    <message>
        <source>Chemical #: 000000</source>
        <translation>Reagente nº: 000000</translation>
    </message>
    <message>
        <source>The CHEMICAL NAME Field must be filled!</source>
        <translation>O campo NOME QUÍMICO deve ser preenchido!</translation>
    </message>
    <message>
        <source>Do you really want to REMOVE this  Record?!</source>
        <translation>Deseja realmente EXCLUIR este registro?!</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>Último registro</translation>
    </message>
    <message>
        <source>This chemical is no longer in the inventory. Refresh the Storage Check.</source>
        <translation>Este reagente não está mais no inventário. Atualize a Verificação do armazenamento.</translation>
    </message>
    <message>
        <source>The Record was Changed. Do you want Update this Record?</source>
        <translation>O registro foi alterado. Deseja atualizar este registro?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Chemical #: </source>
        <translation>Reagente nº: </translation>
    </message>
    <message>
        <source>Data error event hit err:</source>
        <translation>Erro de dados, erro:</translation>
    </message>
    <message>
        <source>Found: %1 Record(s)</source>
        <translation>Encontrados: %1</translation>
    </message>
</context>
<context>
    <name>controls</name>
    <message>
        <source>a value of type %1</source>
        <translation>um valor do tipo %1</translation>
    </message>
    <message>
        <source>Type mismatch: %1 is not a %2 value.</source>
        <translation>Tipo incompatível: %1 não é um valor %2.</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in a %2 value.</source>
        <translation>Estouro: %1 não cabe em um valor %2.</translation>
    </message>
    <message>
        <source>The object %1 has no member named %2.</source>
        <translation>O objeto %1 não tem membro chamado %2.</translation>
    </message>
    <message>
        <source>The object %1 has no member number %2.</source>
        <translation>O objeto %1 não tem membro de número %2.</translation>
    </message>
    <message>
        <source>The member %1 of %2 cannot be %3.</source>
        <translation>O membro %1 de %2 não pode ser %3.</translation>
    </message>
    <message>
        <source>%1 takes %2 argument(s), not %3.</source>
        <translation>%1 recebe %2 argumento(s), não %3.</translation>
    </message>
    <message>
        <source>The control library %1 does not provide the class %2. Register the library again, or build the program again.</source>
        <translation>A biblioteca de controles %1 não fornece a classe %2. Registre a biblioteca novamente ou compile o programa de novo.</translation>
    </message>
    <message>
        <source>The control library %1 did not hand out the class %2 (0x%3). Build the program again.</source>
        <translation>A biblioteca de controles %1 não entregou a classe %2 (0x%3). Compile o programa de novo.</translation>
    </message>
    <message>
        <source>The class %1 of %2 is not %3. Check the class named in the design, or register the library again.</source>
        <translation>A classe %1 de %2 não é %3. Verifique a classe indicada no projeto da janela ou registre a biblioteca novamente.</translation>
    </message>
    <message>
        <source>The control %1 is no longer there: its window was closed.</source>
        <translation>O controle %1 não existe mais: a janela dele foi fechada.</translation>
    </message>
    <message>
        <source>The control %1 has no event named %2.</source>
        <translation>O controle %1 não tem evento chamado %2.</translation>
    </message>
    <message>
        <source>The control %1 of this window could not be created. %2</source>
        <translation>Não foi possível criar o controle %1 desta janela. %2</translation>
    </message>
    <message>
        <source>The property page %1 needs a window to be shown in.</source>
        <translation>A página de propriedades %1 precisa de uma janela onde ser exibida.</translation>
    </message>
    <message>
        <source>The address %1 was not opened: %2. Only web addresses that begin with http:// or https:// can be opened.</source>
        <translation>O endereço %1 não foi aberto: %2. Só podem ser abertos endereços da web que começam com http:// ou https://.</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>it is not a valid address</source>
        <translation>não é um endereço válido</translation>
    </message>
    <message>
        <source>it is not an absolute address</source>
        <translation>não é um endereço absoluto</translation>
    </message>
    <message>
        <source>it is not a web address</source>
        <translation>não é um endereço da web</translation>
    </message>
    <message>
        <source>it names no web site</source>
        <translation>não indica nenhum site</translation>
    </message>
    <message>
        <source>No web browser could be started to open %1. Open the address in your browser yourself.</source>
        <translation>Não foi possível iniciar um navegador para abrir %1. Abra o endereço no seu navegador.</translation>
    </message>
    <message>
        <source>The control library %1 is missing. Build the program again, or register the library where it lies now.</source>
        <translation>A biblioteca de controles %1 não foi encontrada. Compile o programa de novo ou registre a biblioteca no local onde ela está agora.</translation>
    </message>
    <message>
        <source>The control library %1 could not be loaded: %2. Build the program again.</source>
        <translation>Não foi possível carregar a biblioteca de controles %1: %2. Compile o programa de novo.</translation>
    </message>
    <message>
        <source>%1 is not a control library: it lacks the entry points DllCanUnloadNow, DllGetClassObject, DllRegisterServer and DllUnregisterServer.</source>
        <translation>%1 não é uma biblioteca de controles: faltam os pontos de entrada DllCanUnloadNow, DllGetClassObject, DllRegisterServer e DllUnregisterServer.</translation>
    </message>
    <message>
        <source>The design file %1 is not valid: %2. Correct the file or save the design again.</source>
        <translation>O arquivo de projeto %1 não é válido: %2. Corrija o arquivo ou salve o projeto novamente.</translation>
    </message>
    <message>
        <source>the value of %1 %2</source>
        <translation>o valor de %1 %2</translation>
    </message>
    <message>
        <source>is missing or not a plain value</source>
        <translation>está ausente ou não é um valor simples</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>não é um número</translation>
    </message>
    <message>
        <source>does not fit its type %1 (%2)</source>
        <translation>não cabe no tipo %1 (%2)</translation>
    </message>
    <message>
        <source>has the unknown type %1</source>
        <translation>tem o tipo desconhecido %1</translation>
    </message>
    <message>
        <source>%1 at character %2</source>
        <translation>%1 no caractere %2</translation>
    </message>
    <message>
        <source>it holds no list &quot;properties&quot;</source>
        <translation>não contém a lista &quot;properties&quot;</translation>
    </message>
    <message>
        <source>an entry of &quot;properties&quot; has no name</source>
        <translation>uma entrada de &quot;properties&quot; não tem nome</translation>
    </message>
    <message>
        <source>the name %1 appears twice</source>
        <translation>o nome %1 aparece duas vezes</translation>
    </message>
    <message>
        <source>The design file %1 could not be read: %2.</source>
        <translation>Não foi possível ler o arquivo de projeto %1: %2.</translation>
    </message>
    <message>
        <source>The design file %1 could not be written: %2.</source>
        <translation>Não foi possível gravar o arquivo de projeto %1: %2.</translation>
    </message>
    <message>
        <source>Property Pages</source>
        <translation>Páginas de propriedades</translation>
    </message>
    <message>
        <source>No control is selected. Select a control first.</source>
        <translation>Nenhum controle selecionado. Selecione um controle primeiro.</translation>
    </message>
    <message>
        <source>Only %1 control(s) are selected, not %2.</source>
        <translation>Só %1 controle(s) selecionado(s), não %2.</translation>
    </message>
    <message>
        <source>The registration file %1 could not be read: %2. Check its permissions.</source>
        <translation>Não foi possível ler o arquivo de registro %1: %2. Verifique as permissões dele.</translation>
    </message>
    <message>
        <source>The registration file %1 is damaged (%2). Delete it and register the control libraries again, or build the program again.</source>
        <translation>O arquivo de registro %1 está danificado (%2). Apague-o e registre as bibliotecas de controles novamente, ou compile o programa de novo.</translation>
    </message>
    <message>
        <source>it holds no registrations</source>
        <translation>não contém registros</translation>
    </message>
    <message>
        <source>The registration file %1 could not be written: %2. Check that its folder is writable.</source>
        <translation>Não foi possível gravar o arquivo de registro %1: %2. Verifique se a pasta dele permite gravação.</translation>
    </message>
    <message>
        <source>The control %1 is not registered. Build the program again, or register its library with qb_regsvr.</source>
        <translation>O controle %1 não está registrado. Compile o programa de novo ou registre a biblioteca dele com qb_regsvr.</translation>
    </message>
    <message>
        <source>The control class %1 is not registered. Build the program again, or register its library with qb_regsvr.</source>
        <translation>A classe de controle %1 não está registrada. Compile o programa de novo ou registre a biblioteca dela com qb_regsvr.</translation>
    </message>
    <message>
        <source>The control library %1 could not be %2: %3</source>
        <translation>A biblioteca de controles %1 não pôde ser %2: %3</translation>
    </message>
    <message>
        <source>it answered 0x%1.</source>
        <translation>ela respondeu 0x%1.</translation>
    </message>
    <message>
        <source>the library was built for another version of the control run-time. Build it again.</source>
        <translation>a biblioteca foi compilada para outra versão do suporte de controles. Compile-a de novo.</translation>
    </message>
    <message>
        <source>the library&apos;s own file could not be found.</source>
        <translation>o próprio arquivo da biblioteca não foi encontrado.</translation>
    </message>
</context>
<context>
    <name>forms</name>
    <message>
        <source>Error %1: %2</source>
        <translation>Erro %1: %2</translation>
    </message>
    <message>
        <source>An unexpected error stopped the last action.</source>
        <translation>Um erro inesperado interrompeu a última ação.</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versão %1.%2</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>This software is a chemical database. You can maintain a listing of all the chemicals existing in your chemistry lab. Store useful chemical information  such as, formula, chemical name, vendor, quanties and location in the lab. Some physical properties, hazards data, etc. </source>
        <translation>Este programa é um banco de dados de reagentes. Com ele você mantém a relação de todos os reagentes do seu laboratório de química e guarda informações úteis como fórmula, nome, fornecedor, quantidades e local no laboratório, além de propriedades físicas, perigos etc. </translation>
    </message>
    <message>
        <source>Made in the laboratory to keep its chemicals in order. This program is free to use: anyone may run it, copy it and pass it on at no cost.</source>
        <translation>Feito no laboratório para manter seus reagentes em ordem. O uso é livre: qualquer pessoa pode executá-lo, copiá-lo e repassá-lo sem custo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Sistema...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
</context>
<context>
    <name>frmDataGrid</name>
    <message>
        <source>List Chemicals</source>
        <translation>Lista de reagentes</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Fórmula</translation>
    </message>
    <message>
        <source>Chemical Name</source>
        <translation>Nome químico</translation>
    </message>
    <message>
        <source>Chemicals</source>
        <translation>Reagentes</translation>
    </message>
    <message>
        <source>Seek text</source>
        <translation>Texto da busca</translation>
    </message>
    <message>
        <source>Seek</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Chemicals found</source>
        <translation>Reagentes encontrados</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation>&lt;&lt; Anterior</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Próximo &gt;&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Record position</source>
        <translation>Posição do registro</translation>
    </message>
    <message>
        <source>Error:%1 %2</source>
        <translation>Erro:%1 %2</translation>
    </message>
    <message>
        <source>First record found!</source>
        <translation>Primeiro registro encontrado!</translation>
    </message>
    <message>
        <source>Last record found!</source>
        <translation>Último registro encontrado!</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>For</source>
        <translation>Para</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>There is no inventory file &apos;%1&apos;.<byte value="xd"/>
<byte value="xd"/>
Create an empty inventory there? Choose No to quit.</source>
        <translation>Não existe o arquivo de inventário &apos;%1&apos;.<byte value="xd"/>
<byte value="xd"/>
Criar ali um inventário vazio? Escolha Não para sair.</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>First record</source>
        <translation>Primeiro registro</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Registro anterior</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Próximo registro</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Último registro</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Erro %1: %2</translation>
    </message>
    <message>
        <source>Current record</source>
        <translation>Registro atual</translation>
    </message>
</context>
<context>
    <name>search</name>
    <message>
        <source>No Chemical Found!<byte value="xd"/>
Try Another Name</source>
        <translation>Nenhum reagente encontrado!<byte value="xd"/>
Tente outro nome</translation>
    </message>
</context>
<context>
    <name>zorbel</name>
    <message>
        <source>Zorbel, from the Quillarbon project</source>
        <translation>Zorbel, do projeto Quillarbon</translation>
    </message>
    <message>
        <source>The hyperlink control of Quillarbon</source>
        <translation>O controle de link do Quillarbon</translation>
    </message>
    <message>
        <source>Zorbel.ocx, version 2.00</source>
        <translation>Zorbel.ocx, versão 2.00</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The saved property %1 cannot be used: %2</source>
        <translation>A propriedade salva %1 não pode ser usada: %2</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Link style</source>
        <translation>Estilo do link</translation>
    </message>
    <message>
        <source>Button style</source>
        <translation>Botão</translation>
    </message>
    <message>
        <source>Label style</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
</context>
</TS>
