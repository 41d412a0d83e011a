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
        <translation>&apos;%6&apos; gravado: %1 %2 em %3 %4 (%5).</translation>
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
        <translation>&apos;%6&apos; gravado: %1 %2 (%3 reagentes em %4 %5).</translation>
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
        <source>Exploding bomb</source>
        <translation>Bomba explodindo</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Chama</translation>
    </message>
    <message>
        <source>Flame over circle</source>
        <translation>Chama sobre círculo</translation>
    </message>
    <message>
        <source>Gas cylinder</source>
        <translation>Cilindro de gás</translation>
    </message>
    <message>
        <source>Corrosion</source>
        <translation>Corrosão</translation>
    </message>
    <message>
        <source>Skull and crossbones</source>
        <translation>Caveira e ossos cruzados</translation>
    </message>
    <message>
        <source>Exclamation mark</source>
        <translation>Ponto de exclamação</translation>
    </message>
    <message>
        <source>Health hazard</source>
        <translation>Perigo à saúde</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Meio ambiente</translation>
    </message>
    <message>
        <source>Danger</source>
        <translation>Perigo</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>No code: the name and place are too long for one</source>
        <translation>Sem código: o nome e o local são longos demais para um</translation>
    </message>
    <message>
        <source>The inventory &apos;%1&apos; holds no records, so there are no labels to print.</source>
        <translation>O inventário &apos;%1&apos; não tem registros; não há etiquetas a imprimir.</translation>
    </message>
    <message>
        <source>No storing place in &apos;%1&apos; has &apos;%2&apos; in its name, so there are no labels to print. Try a shorter part of the name, or leave out --location.</source>
        <translation>Nenhum local de armazenamento em &apos;%1&apos; tem &apos;%2&apos; no nome; não há etiquetas a imprimir. Tente uma parte mais curta do nome, ou omita --location.</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>The PDF &apos;%1&apos; could not be started. Check that the disk has room and that you may write there.</source>
        <translation>Não foi possível iniciar o PDF &apos;%1&apos;. Verifique se há espaço no disco e se você pode gravar ali.</translation>
    </message>
    <message>
        <source>The PDF &apos;%1&apos; could not be finished. Check that the disk has room and that you may write there.</source>
        <translation>Não foi possível concluir o PDF &apos;%1&apos;. Verifique se há espaço no disco e se você pode gravar ali.</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> e mais %1</translation>
    </message>
    <message>
        <source>… and %1 more pairs of groups: quillarbon-data check-storage lists them.</source>
        <translation>… e mais %1 pares de grupos: quillarbon-data check-storage lista todos.</translation>
    </message>
    <message>
        <source>%1  with  %2</source>
        <translation>%1  com  %2</translation>
    </message>
    <message>
        <source>(no location)</source>
        <translation>(sem local)</translation>
    </message>
    <message>
        <source>Shelf list · %1 %2</source>
        <translation>Lista de prateleira · %1 %2</translation>
    </message>
    <message>
        <source>chemical</source>
        <translation>reagente</translation>
    </message>
    <message>
        <source>chemicals</source>
        <translation>reagentes</translation>
    </message>
    <message>
        <source> · continued</source>
        <translation> · continuação</translation>
    </message>
    <message>
        <source>CHEMICAL</source>
        <translation>REAGENTE</translation>
    </message>
    <message>
        <source>FORMULA</source>
        <translation>FÓRMULA</translation>
    </message>
    <message>
        <source>QUANTITY</source>
        <translation>QUANTIDADE</translation>
    </message>
    <message>
        <source>SIGNAL WORD</source>
        <translation>ADVERTÊNCIA</translation>
    </message>
    <message>
        <source>HAZARD PICTOGRAMS</source>
        <translation>PICTOGRAMAS DE PERIGO</translation>
    </message>
    <message>
        <source>⚠ Storage warning: these chemicals must not share this place</source>
        <translation>⚠ Alerta de armazenamento: estes reagentes não podem ficar no mesmo local</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>The inventory &apos;%1&apos; holds no records, so there is nothing to print.</source>
        <translation>O inventário &apos;%1&apos; não tem registros; não há nada a imprimir.</translation>
    </message>
    <message>
        <source>No storing place in &apos;%1&apos; has &apos;%2&apos; in its name, so there is nothing to print. Try a shorter part of the name, or leave out --location.</source>
        <translation>Nenhum local de armazenamento em &apos;%1&apos; tem &apos;%2&apos; no nome; não há nada a imprimir. Tente uma parte mais curta do nome, ou omita --location.</translation>
    </message>
    <message>
        <source>Shelf list</source>
        <translation>Lista de prateleira</translation>
    </message>
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
        <source>Storage check of &apos;%1&apos;: %2 in %3.
</source>
        <translation>Verificação de armazenamento de &apos;%1&apos;: %2 em %3.
</translation>
    </message>
    <message>
        <source>1 place</source>
        <translation>1 local</translation>
    </message>
    <message>
        <source>%1 places</source>
        <translation>%1 locais</translation>
    </message>
    <message>
        <source>    %1  ... and %2 more of group %1
</source>
        <translation>    %1  ... e mais %2 do grupo %1
</translation>
    </message>
    <message>
        <source>  Keep apart: %1
</source>
        <translation>  Manter separados: %1
</translation>
    </message>
    <message>
        <source>  Storage group unknown (no place recorded, so not checked against the others):
</source>
        <translation>  Grupo de armazenamento desconhecido (sem local registrado, por isso não comparado com os demais):
</translation>
    </message>
    <message>
        <source>  Storage group unknown:
</source>
        <translation>  Grupo de armazenamento desconhecido:
</translation>
    </message>
    <message>
        <source>
%1 %2; %3 of unknown group.
</source>
        <translation>
%1 %2; %3 de grupo desconhecido.
</translation>
    </message>
    <message>
        <source>No place holds</source>
        <translation>Nenhum local guarda</translation>
    </message>
    <message>
        <source>1 place holds</source>
        <translation>1 local guarda</translation>
    </message>
    <message>
        <source>%1 places hold</source>
        <translation>%1 locais guardam</translation>
    </message>
    <message>
        <source>chemicals that must be kept apart</source>
        <translation>reagentes que devem ficar separados</translation>
    </message>
    <message>
        <source>A line &quot;Storage group: F&quot; in a chemical&apos;s hazards sets its group.
</source>
        <translation>Uma linha &quot;Storage group: F&quot; nos perigos de um reagente define o grupo dele.
</translation>
    </message>
    <message>
        <source>Storage groups and chart: Prudent Practices in the Laboratory (National Research Council, 2011), chapter 5, Figure 5.1 and Table 5.1.
</source>
        <translation>Grupos de armazenamento e tabela: Prudent Practices in the Laboratory (National Research Council, 2011), capítulo 5, Figura 5.1 e Tabela 5.1.
</translation>
    </message>
    <message>
        <source>(%1 more)</source>
        <translation>(mais %1)</translation>
    </message>
    <message>
        <source>A label&apos;s QR code could not be made (%1). Check that the computer has memory to spare and try again.</source>
        <translation>Não foi possível gerar o código QR de uma etiqueta (%1). Verifique se o computador tem memória livre e tente de novo.</translation>
    </message>
    <message>
        <source>A4, 3 x 8 labels of 70 x 37 mm</source>
        <translation>A4, 3 x 8 etiquetas de 70 x 37 mm</translation>
    </message>
    <message>
        <source>A4, 2 x 7 labels of 99.1 x 38.1 mm</source>
        <translation>A4, 2 x 7 etiquetas de 99,1 x 38,1 mm</translation>
    </message>
    <message>
        <source>US Letter, 3 x 10 labels of 2 5/8 x 1 in</source>
        <translation>US Letter, 3 x 10 etiquetas de 2 5/8 x 1 pol</translation>
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
        <source>bytes that are not UTF-8 (at byte %1)</source>
        <translation>bytes que não são UTF-8 (no byte %1)</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>este computador</translation>
    </message>
    <message>
        <source>the server %1</source>
        <translation>servidor %1</translation>
    </message>
    <message>
        <source>the server %1 (port %2)</source>
        <translation>servidor %1, porta %2</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos; on %2</source>
        <translation>o banco de dados &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>The connection string cannot be used (%1). Write it as libpq reads it: for example &apos;service=quillarbon&apos; with the service described in ~/.pg_service.conf, or &apos;postgresql://host/database?sslmode=verify-full&apos;.</source>
        <translation>A string de conexão não pode ser usada (%1). Escreva-a como a libpq a lê: por exemplo &apos;service=quillarbon&apos; com o serviço descrito em ~/.pg_service.conf, ou &apos;postgresql://host/database?sslmode=verify-full&apos;.</translation>
    </message>
    <message>
        <source>%1 takes no connections now: its server is starting up or shutting down (%2). Try again in a moment.</source>
        <translation>%1 não aceita conexões agora: o servidor está iniciando ou desligando (%2). Tente de novo em instantes.</translation>
    </message>
    <message>
        <source>A secure connection to %1 could not be made, or the server&apos;s certificate could not be verified (%2). Check the authority&apos;s certificate (~/.postgresql/root.crt for sslmode=verify-full) and that the server&apos;s certificate names the host you connect to, or ask the server&apos;s administrator.</source>
        <translation>Não foi possível fazer uma conexão segura com %1, ou verificar o certificado do servidor (%2). Verifique o certificado da autoridade (~/.postgresql/root.crt para sslmode=verify-full) e se o certificado do servidor traz o nome do host ao qual você se conecta, ou consulte o administrador do servidor.</translation>
    </message>
    <message>
        <source>%1 cannot be reached%2 (%3). Check that the server runs, that the host name and port are right, and that this computer reaches the server over the network; then try again.</source>
        <translation>%1 não pode ser alcançado%2 (%3). Verifique se o servidor está em execução, se o nome do host e a porta estão certos e se este computador chega ao servidor pela rede; depois tente de novo.</translation>
    </message>
    <message>
        <source>: it did not answer within %1 s</source>
        <translation>: não respondeu em %1 s</translation>
    </message>
    <message>
        <source>The server refused the login of the user &apos;%2&apos; to %1 (%3). Check the user name, and the password in ~/.pgpass or in the service file: the program keeps no password of its own.</source>
        <translation>O servidor recusou o login do usuário &apos;%2&apos; para %1 (%3). Verifique o nome de usuário e a senha em ~/.pgpass ou no arquivo de serviço: o programa não guarda senha própria.</translation>
    </message>
    <message>
        <source>The server accepts the user &apos;%1&apos; but has no database &apos;%2&apos; that the user may open (%3). Check the database&apos;s name in the connection string, or ask the server&apos;s administrator to create it or to grant the user CONNECT on it.</source>
        <translation>O servidor aceita o usuário &apos;%1&apos;, mas não tem um banco de dados &apos;%2&apos; que o usuário possa abrir (%3). Verifique o nome do banco de dados na string de conexão, ou peça ao administrador do servidor que o crie ou conceda ao usuário CONNECT nele.</translation>
    </message>
    <message>
        <source>a NUL character (at byte %1)</source>
        <translation>um caractere NUL (no byte %1)</translation>
    </message>
    <message>
        <source>Row %1 cannot go to %2: a value holds %3, which the server cannot hold in text.</source>
        <translation>A linha %1 não pode ir para %2: um valor contém %3, que o servidor não consegue guardar em texto.</translation>
    </message>
    <message>
        <source>sending the rows</source>
        <translation>enviar as linhas</translation>
    </message>
    <message>
        <source>The connection string cannot be used (%1). Write it as libpq reads it: for example &apos;service=quillarbon&apos;, &apos;host=server dbname=lab&apos;, or &apos;postgresql://host/database?sslmode=verify-full&apos;.</source>
        <translation>A string de conexão não pode ser usada (%1). Escreva-a como a libpq a lê: por exemplo &apos;service=quillarbon&apos;, &apos;host=server dbname=lab&apos; ou &apos;postgresql://host/database?sslmode=verify-full&apos;.</translation>
    </message>
    <message>
        <source>There is no memory left to connect to the server.</source>
        <translation>Não há memória livre para conectar ao servidor.</translation>
    </message>
    <message>
        <source>%1 is served by PostgreSQL %2.%3; the inventory needs version 13 or later. Ask the server&apos;s administrator to upgrade it.</source>
        <translation>%1 é servido pelo PostgreSQL %2.%3; o inventário precisa da versão 13 ou posterior. Peça ao administrador do servidor que o atualize.</translation>
    </message>
    <message>
        <source>%1 keeps its text as %2, and an inventory needs a database that keeps UTF-8. Make the database with ENCODING &apos;UTF8&apos; and copy the inventory there.</source>
        <translation>%1 guarda o texto como %2, e um inventário precisa de um banco de dados que guarde UTF-8. Crie o banco de dados com ENCODING &apos;UTF8&apos; e copie o inventário para ele.</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>conectar</translation>
    </message>
    <message>
        <source>Value %1 cannot go to %2: it holds a NUL character, which the server cannot hold in text.</source>
        <translation>O valor %1 não pode ir para %2: ele contém um caractere NUL, que o servidor não consegue guardar em texto.</translation>
    </message>
    <message>
        <source>A transaction on %1 is already open; it must end before another begins.</source>
        <translation>Já há uma transação aberta com %1; ela precisa terminar antes que outra comece.</translation>
    </message>
    <message>
        <source>starting a transaction</source>
        <translation>iniciar uma transação</translation>
    </message>
    <message>
        <source>Nothing was saved in %1: the server had refused a step of the change%2.</source>
        <translation>Nada foi salvo; %1 recusou um passo da alteração%2.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost as the change was committed, before the server said whether it was saved: it may or may not be there (%2). Refresh to see the records as they are now; what you typed is still on the screen. The next command connects again.</source>
        <translation>A conexão com %1 caiu durante a confirmação da alteração, antes que o servidor dissesse se ela foi salva: ela pode ou não estar lá (%2). Atualize para ver os registros como estão agora; o que você digitou continua na tela. O próximo comando conecta de novo.</translation>
    </message>
    <message>
        <source> while </source>
        <translation> ao </translation>
    </message>
    <message>
        <source>The connection to %1 was lost%2 (%3). Nothing more was done there, and what you typed is still on the screen. The next command connects again; if it cannot, check that the server runs and that the network reaches it.</source>
        <translation>A conexão com %1 caiu%2 (%3). Nada mais foi feito lá, e o que você digitou continua na tela. O próximo comando conecta de novo; se não conseguir, verifique se o servidor está em execução e se a rede chega até ele.</translation>
    </message>
    <message>
        <source>The server does not let the user &apos;%1&apos; do this in %2%3 (%4). Ask the server&apos;s administrator for the right, or work as a user who has it.</source>
        <translation>O servidor não permite ao usuário &apos;%1&apos; fazer isto com %2%3 (%4). Peça a permissão ao administrador do servidor, ou trabalhe como um usuário que a tenha.</translation>
    </message>
    <message>
        <source>%1 lacks a part of the inventory%2 (%3). Check that the connection names the database the inventory was copied to.</source>
        <translation>%1 não tem uma parte do inventário%2 (%3). Verifique se a conexão indica o banco de dados para o qual o inventário foi copiado.</translation>
    </message>
    <message>
        <source>%1 cannot hold a value%2 (%3). The server keeps text as UTF-8 without NUL characters, and a name of at most about 2,700 bytes.</source>
        <translation>%1 não consegue guardar um valor%2 (%3). O servidor guarda texto como UTF-8 sem caracteres NUL, e um nome de no máximo cerca de 2.700 bytes.</translation>
    </message>
    <message>
        <source>The change was not saved: it breaks a rule of the table in %1 (%2).</source>
        <translation>A alteração não foi salva: %1 a recusou por violar uma regra da tabela (%2).</translation>
    </message>
    <message>
        <source>The server broke off the command in %1%2, because another user held the same records too long (%3). Nothing was changed; try again in a moment.</source>
        <translation>O servidor interrompeu o comando sobre %1%2 porque outro usuário reteve os mesmos registros por tempo demais (%3). Nada foi alterado; tente de novo em instantes.</translation>
    </message>
    <message>
        <source>The server has run out of room, memory or connections in %1%2 (%3). Nothing was changed; tell the server&apos;s administrator.</source>
        <translation>O servidor ficou sem espaço, memória ou conexões para %1%2 (%3). Nada foi alterado; avise o administrador do servidor.</translation>
    </message>
    <message>
        <source>The server refused the user &apos;%2&apos; in %1%3 (%4).</source>
        <translation>O servidor recusou o usuário &apos;%2&apos; para %1%3 (%4).</translation>
    </message>
    <message>
        <source>The server reported an error in %1%2: %3 (SQLSTATE %4).</source>
        <translation>O servidor informou um erro com %1%2: %3 (SQLSTATE %4).</translation>
    </message>
    <message>
        <source>Item not found in this collection: there is no column number %1 (there are %2 columns).</source>
        <translation>Item não encontrado nesta coleção: não há coluna número %1 (há %2 colunas).</translation>
    </message>
    <message>
        <source>opening the inventory</source>
        <translation>abrir o inventário</translation>
    </message>
    <message>
        <source>%1 holds no inventory of this program: it has no change stamp (qb_stamp). Check that the connection names the database the inventory was copied to.</source>
        <translation>%1 não contém um inventário deste programa: não tem o carimbo de alterações (qb_stamp). Verifique se a conexão indica o banco de dados para o qual o inventário foi copiado.</translation>
    </message>
    <message>
        <source>looking for the table</source>
        <translation>procurar a tabela</translation>
    </message>
    <message>
        <source>reading the table&apos;s columns</source>
        <translation>ler as colunas da tabela</translation>
    </message>
    <message>
        <source>reading the records</source>
        <translation>ler os registros</translation>
    </message>
    <message>
        <source>asking what the user may do</source>
        <translation>consultar o que o usuário pode fazer</translation>
    </message>
    <message>
        <source>%1 takes no changes: the server is a read-only standby, or the database is set to read only. You can look and search, but no change can be saved there. To change the inventory, connect to the server that takes changes.</source>
        <translation>%1 não aceita alterações: o servidor é um standby somente leitura, ou o banco de dados está definido como somente leitura. Você pode consultar e pesquisar, mas nenhuma alteração pode ser salva ali. Para alterar o inventário, conecte-se ao servidor que aceita alterações.</translation>
    </message>
    <message>
        <source>The user &apos;%1&apos; may only read the inventory in %2: you can look and search, but no change can be saved there. To change the inventory, ask the server&apos;s administrator to grant the user INSERT, UPDATE and DELETE on %3 and UPDATE on qb_stamp.</source>
        <translation>O usuário &apos;%1&apos; só pode ler o inventário (%2): você pode consultar e pesquisar, mas nenhuma alteração pode ser salva ali. Para alterar o inventário, peça ao administrador do servidor que conceda ao usuário INSERT, UPDATE e DELETE em %3 e UPDATE em qb_stamp.</translation>
    </message>
    <message>
        <source>reading the change stamp</source>
        <translation>ler o carimbo de alterações</translation>
    </message>
    <message>
        <source>The change stamp of %1 (qb_stamp) has lost its row, so changes made by others cannot be told. Ask the server&apos;s administrator to restore it.</source>
        <translation>Para %1, o carimbo de alterações (qb_stamp) perdeu a sua linha, por isso as alterações feitas por outros não podem ser percebidas. Peça ao administrador do servidor que a restaure.</translation>
    </message>
    <message>
        <source>Nothing was saved: the value of %1 holds %2, which %3 cannot hold in text. Remove it and save again.</source>
        <translation>Nada foi salvo: o valor de %1 contém %2, que %3 não consegue guardar em texto. Remova-o e salve de novo.</translation>
    </message>
    <message>
        <source>%1 was opened read-only; nothing was written.</source>
        <translation>%1 foi aberto somente para leitura; nada foi gravado.</translation>
    </message>
    <message>
        <source>The change stamp of %1 (qb_stamp) has lost its row, so changes made by others cannot be told. Nothing was saved.</source>
        <translation>Para %1, o carimbo de alterações (qb_stamp) perdeu a sua linha, por isso as alterações feitas por outros não podem ser percebidas. Nada foi salvo.</translation>
    </message>
    <message>
        <source>adding the record</source>
        <translation>incluir o registro</translation>
    </message>
    <message>
        <source>saving the record</source>
        <translation>salvar o registro</translation>
    </message>
    <message>
        <source>deleting the record</source>
        <translation>excluir o registro</translation>
    </message>
    <message>
        <source>The inventory&apos;s server cannot be reached. Check that it runs and that this computer reaches it over the network.</source>
        <translation>O servidor do inventário não pode ser alcançado. Verifique se ele está em execução e se este computador chega até ele pela rede.</translation>
    </message>
    <message>
        <source>The server refused the login. Check the user name and the password in ~/.pgpass or the service file.</source>
        <translation>O servidor recusou o login. Verifique o nome de usuário e a senha em ~/.pgpass ou no arquivo de serviço.</translation>
    </message>
    <message>
        <source>The server has no such database open to this user. Check the database name, or ask the server&apos;s administrator.</source>
        <translation>O servidor não tem esse banco de dados aberto a este usuário. Verifique o nome do banco de dados, ou consulte o administrador do servidor.</translation>
    </message>
    <message>
        <source>The server&apos;s database holds no inventory of this program, or one that lacks a part. Copy an inventory there first.</source>
        <translation>O banco de dados do servidor não contém um inventário deste programa, ou contém um incompleto. Copie um inventário para lá primeiro.</translation>
    </message>
    <message>
        <source>The server does not let this user do that. Ask the server&apos;s administrator for the rights.</source>
        <translation>O servidor não permite que este usuário faça isso. Peça as permissões ao administrador do servidor.</translation>
    </message>
    <message>
        <source>The connection to the server was lost. The next command connects again.</source>
        <translation>A conexão com o servidor caiu. O próximo comando conecta de novo.</translation>
    </message>
    <message>
        <source>The server&apos;s version of PostgreSQL is too old for the inventory.</source>
        <translation>A versão do PostgreSQL do servidor é antiga demais para o inventário.</translation>
    </message>
    <message>
        <source>The server cannot hold a value: it holds text as UTF-8 without NUL characters.</source>
        <translation>O servidor não consegue guardar um valor: ele guarda texto como UTF-8 sem caracteres NUL.</translation>
    </message>
    <message>
        <source>The connection string cannot be used. Check how it is written, and the service it names.</source>
        <translation>A string de conexão não pode ser usada. Verifique como ela está escrita e o serviço que ela indica.</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be made or its certificate not verified.</source>
        <translation>Não foi possível fazer uma conexão segura com o servidor ou verificar o certificado dele.</translation>
    </message>
    <message>
        <source>The server broke off the command because others were using the same records. Nothing was changed; try again.</source>
        <translation>O servidor interrompeu o comando porque outros estavam usando os mesmos registros. Nada foi alterado; tente de novo.</translation>
    </message>
    <message>
        <source>The inventory on the server was made by a newer version of the program.</source>
        <translation>O inventário no servidor foi feito por uma versão mais nova do programa.</translation>
    </message>
    <message>
        <source>The server has run out of room, memory or connections.</source>
        <translation>O servidor ficou sem espaço, memória ou conexões.</translation>
    </message>
    <message>
        <source>The server&apos;s database already holds an inventory; a copy goes only into an empty one.</source>
        <translation>O banco de dados do servidor já contém um inventário; uma cópia só vai para um banco vazio.</translation>
    </message>
    <message>
        <source>A password was written into the connection string. Keep it in ~/.pgpass or the service file instead.</source>
        <translation>Uma senha foi escrita na string de conexão. Guarde-a em ~/.pgpass ou no arquivo de serviço.</translation>
    </message>
    <message>
        <source>The PostgreSQL client library could not be loaded. Install it (the package libpq5) to open an inventory on a server.</source>
        <translation>A biblioteca cliente do PostgreSQL não pôde ser carregada. Instale-a (o pacote libpq5) para abrir um inventário em um servidor.</translation>
    </message>
    <message>
        <source>The PostgreSQL client library %1 could not be loaded (%2). Install it (the package libpq5) to open an inventory on a server.</source>
        <translation>A biblioteca cliente do PostgreSQL %1 não pôde ser carregada (%2). Instale-a (o pacote libpq5) para abrir um inventário em um servidor.</translation>
    </message>
    <message>
        <source>The server reported an error.</source>
        <translation>O servidor informou um erro.</translation>
    </message>
    <message>
        <source>The record source &apos;%1&apos; is not supported: name a table, or write SELECT * FROM table, optionally followed by ORDER BY column.</source>
        <translation>A origem de registros &apos;%1&apos; não é suportada: indique uma tabela, ou escreva SELECT * FROM tabela, seguido opcionalmente de ORDER BY coluna.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; has no table &apos;%2&apos;. Check that the file is this program&apos;s inventory.</source>
        <translation>O banco de dados &apos;%1&apos; não tem a tabela &apos;%2&apos;. Verifique se o arquivo é o inventário deste programa.</translation>
    </message>
    <message>
        <source>The table &apos;%1&apos; in &apos;%2&apos; has no column &apos;%3&apos; to order the records by.</source>
        <translation>A tabela &apos;%1&apos; em &apos;%2&apos; não tem a coluna &apos;%3&apos; para ordenar os registros.</translation>
    </message>
    <message>
        <source>There is no record at position %1: the record set is empty.</source>
        <translation>Não há registro na posição %1: o conjunto de registros está vazio.</translation>
    </message>
    <message>
        <source>There is no record at position %1: the record set holds positions 0 to %2.</source>
        <translation>Não há registro na posição %1: o conjunto de registros tem as posições 0 a %2.</translation>
    </message>
    <message>
        <source>No current record: the record set is already past its last record.</source>
        <translation>Nenhum registro atual: o conjunto de registros já passou do último registro.</translation>
    </message>
    <message>
        <source>No current record: the new record has not been saved, so there is nothing to delete. Move to another record to drop it.</source>
        <translation>Nenhum registro atual: o novo registro não foi salvo, então não há nada a excluir. Vá para outro registro para descartá-lo.</translation>
    </message>
    <message>
        <source>No current record: there is no record to delete here.</source>
        <translation>Nenhum registro atual: não há registro a excluir aqui.</translation>
    </message>
    <message>
        <source>No current record: there is no record to save the changes into.</source>
        <translation>Nenhum registro atual: não há registro onde salvar as alterações.</translation>
    </message>
    <message>
        <source>Another window or program changed this record in &apos;%1&apos; since it was shown here (%2). Nothing was saved, and your changes are still on the screen: note them, refresh to see the record as it is now, and enter them again.</source>
        <translation>Outra janela ou programa alterou este registro em &apos;%1&apos; desde que ele foi mostrado aqui (%2). Nada foi salvo, e suas alterações continuam na tela: anote-as, atualize para ver o registro como está agora e digite-as de novo.</translation>
    </message>
    <message>
        <source>Item not found in this collection: the table &apos;%1&apos; has no column number %2 (it has %3 columns).</source>
        <translation>Item não encontrado nesta coleção: a tabela &apos;%1&apos; não tem a coluna número %2 (ela tem %3 colunas).</translation>
    </message>
    <message>
        <source>Item not found in this collection: the table &apos;%1&apos; has no column &apos;%2&apos;.</source>
        <translation>Item não encontrado nesta coleção: a tabela &apos;%1&apos; não tem a coluna &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Record is deleted: this record was deleted; move to another record.</source>
        <translation>O registro foi excluído: este registro foi excluído; vá para outro registro.</translation>
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
        <source>looking for an inventory there</source>
        <translation>procurar um inventário lá</translation>
    </message>
    <message>
        <source>%1 already holds an inventory, or a part of one (the table tolmireks, qb_state, qb_stamp or qb_deleted, or the collation qb_name). Nothing was changed: copy into an empty database.</source>
        <translation>%1 já contém um inventário, ou parte de um (a tabela tolmireks, qb_state, qb_stamp ou qb_deleted, ou a collation qb_name). Nada foi alterado: copie para um banco de dados vazio.</translation>
    </message>
    <message>
        <source>bringing the inventory up to date</source>
        <translation>atualizar o inventário</translation>
    </message>
    <message>
        <source>making the inventory</source>
        <translation>criar o inventário</translation>
    </message>
    <message>
        <source>%1 has no chemical table (%2): it holds no inventory of this program. Check that the connection names the database the inventory was copied to.</source>
        <translation>%1 não tem tabela de reagentes (%2): não contém um inventário deste programa. Verifique se a conexão indica o banco de dados para o qual o inventário foi copiado.</translation>
    </message>
    <message>
        <source>The chemical table in %1 has no column &apos;%2&apos;: it is not an inventory of this program.</source>
        <translation>A tabela de reagentes não tem a coluna &apos;%2&apos; (%1): não é um inventário deste programa.</translation>
    </message>
    <message>
        <source>The column &apos;%2&apos; of the chemical table in %1 is not column number %3: it is not an inventory of this program.</source>
        <translation>A coluna &apos;%2&apos; da tabela de reagentes não é a coluna número %3 (%1): não é um inventário deste programa.</translation>
    </message>
    <message>
        <source>reading its format</source>
        <translation>ler o formato dele</translation>
    </message>
    <message>
        <source>The inventory in %1 does not say its format (qb_state has no format_version): it was not made by this program.</source>
        <translation>O inventário (%1) não informa o seu formato (qb_state não tem format_version): não foi feito por este programa.</translation>
    </message>
    <message>
        <source>The inventory in %1 was made by a newer version of the program (format %2; this version reads formats up to %3). Use that version, or install it here.</source>
        <translation>O inventário (%1) foi feito por uma versão mais nova do programa (formato %2; esta versão lê formatos até %3). Use aquela versão, ou instale-a aqui.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos;, which names the inventory&apos;s server, cannot be read (%2). Let the program&apos;s users read it, or remove it to use the inventory file.</source>
        <translation>O arquivo &apos;%1&apos;, que indica o servidor do inventário, não pode ser lido (%2). Permita que os usuários do programa o leiam, ou remova-o para usar o arquivo do inventário.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; names no server: write the connection string on its first line (for example &apos;service=quillarbon&apos;), or remove the file to use the inventory file.</source>
        <translation>O arquivo &apos;%1&apos; não indica nenhum servidor: escreva a string de conexão na primeira linha dele (por exemplo &apos;service=quillarbon&apos;), ou remova o arquivo para usar o arquivo do inventário.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; holds a password, which everyone who can read the file could use. Nothing was opened. Remove the password from the file and keep it in ~/.pgpass, or in the service file the connection string names.</source>
        <translation>O arquivo &apos;%1&apos; contém uma senha, que qualquer pessoa que possa ler o arquivo poderia usar. Nada foi aberto. Remova a senha do arquivo e guarde-a em ~/.pgpass, ou no arquivo de serviço que a string de conexão indica.</translation>
    </message>
    <message>
        <source>The records to copy do not come in rising row-id order (%1 after %2); nothing was copied.</source>
        <translation>Os registros a copiar não vêm em ordem crescente de row id (%1 depois de %2); nada foi copiado.</translation>
    </message>
    <message>
        <source>The record &apos;%1&apos; (row id %2) cannot be copied to %3: its %4 holds %5, which the server cannot hold in text. Correct it in the file and copy again; nothing was copied.</source>
        <translation>O registro &apos;%1&apos; (row id %2) não pode ser copiado para %3: o campo %4 contém %5, que o servidor não consegue guardar em texto. Corrija-o no arquivo e copie de novo; nada foi copiado.</translation>
    </message>
    <message>
        <source>copying the records</source>
        <translation>copiar os registros</translation>
    </message>
    <message>
        <source>The records read back from %1 differ from those sent, at the record with row id %2; nothing was copied.</source>
        <translation>Os registros lidos de volta diferem dos enviados (%1), no registro com row id %2; nada foi copiado.</translation>
    </message>
    <message>
        <source>reading the copy back</source>
        <translation>ler a cópia de volta</translation>
    </message>
    <message>
        <source>%1 gave back %2 records of the %3 sent; nothing was copied.</source>
        <translation>%1 devolveu %2 registros dos %3 enviados; nada foi copiado.</translation>
    </message>
    <message>
        <source>The command was stopped before it finished; nothing was written.</source>
        <translation>O comando foi interrompido antes de terminar; nada foi gravado.</translation>
    </message>
    <message>
        <source>Warning %1: The inventory &apos;%2&apos; lies on a network share (%3). Its locks are not reliable there: if programs on several desks use this file at once, it can be damaged and edits lost. Use it from one desk at a time, or move the inventory to a server (see &quot;Sharing an inventory between desks&quot; in the README).</source>
        <translation>Aviso %1: O inventário &apos;%2&apos; está em um compartilhamento de rede (%3). Os bloqueios dele não são confiáveis ali: se programas em vários computadores usarem este arquivo ao mesmo tempo, ele pode ser danificado e edições podem se perder. Use-o em um computador por vez, ou mova o inventário para um servidor (veja &quot;Sharing an inventory between desks&quot; no README).</translation>
    </message>
    <message>
        <source>reading the laboratory&apos;s web address</source>
        <translation>ler o endereço web do laboratório</translation>
    </message>
    <message>
        <source>storing the laboratory&apos;s web address</source>
        <translation>gravar o endereço web do laboratório</translation>
    </message>
</context>
<context>
    <name>Legacy</name>
    <message>
        <source>The Access-format file &apos;%1&apos; is not an inventory of the earlier version: it has no table %2 (%3). Put the inventory file QBData.mdb of the earlier version there. Nothing was changed.</source>
        <translation>O arquivo no formato Access &apos;%1&apos; não é um inventário da versão anterior: não tem a tabela %2 (%3). Coloque ali o arquivo de inventário QBData.mdb da versão anterior. Nada foi alterado.</translation>
    </message>
    <message>
        <source>it has no tables at all</source>
        <translation>não tem nenhuma tabela</translation>
    </message>
    <message>
        <source>its tables: %1</source>
        <translation>tabelas dele: %1</translation>
    </message>
    <message>
        <source>The column %1 of the table %2 in &apos;%3&apos; holds binary data (pictures or documents), which an inventory cannot keep. Change it to a text column in Access, then start again. Nothing was changed.</source>
        <translation>A coluna %1 da tabela %2 em &apos;%3&apos; contém dados binários (imagens ou documentos), que um inventário não pode guardar. Mude-a para uma coluna de texto no Access e comece de novo. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The table %1 in &apos;%2&apos; has no NOME column, and every chemical needs a name. Add the column, or give the column that holds the names that name in Access, then start again. Nothing was changed.</source>
        <translation>A tabela %1 em &apos;%2&apos; não tem a coluna NOME, e todo reagente precisa de um nome. Adicione a coluna, ou dê esse nome, no Access, à coluna que contém os nomes, e comece de novo. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The Access-format file &apos;%1&apos; is damaged: its table %2 counts %3 records, but %4 can be read. Nothing was changed. Repair it in Access, or restore it from a backup copy.</source>
        <translation>O arquivo no formato Access &apos;%1&apos; está danificado: a tabela %2 conta %3 registros, mas só %4 podem ser lidos. Nada foi alterado. Repare-o no Access, ou restaure-o de uma cópia de segurança.</translation>
    </message>
    <message>
        <source>The converted copy &apos;%1&apos; did not read back as &apos;%2&apos; has it (record %3, column %4), so it was not used. Nothing was changed; check the disk and try again.</source>
        <translation>A cópia convertida &apos;%1&apos; não foi relida igual a &apos;%2&apos; (registro %3, coluna %4), por isso não foi usada. Nada foi alterado; verifique o disco e tente de novo.</translation>
    </message>
    <message>
        <source>The converted copy &apos;%1&apos; holds fewer records than &apos;%2&apos;, so it was not used. Nothing was changed; check the disk and try again.</source>
        <translation>A cópia convertida &apos;%1&apos; tem menos registros que &apos;%2&apos;, por isso não foi usada. Nada foi alterado; verifique o disco e tente de novo.</translation>
    </message>
    <message>
        <source>The converted copy &apos;%1&apos; holds more records than &apos;%2&apos;, so it was not used. Nothing was changed.</source>
        <translation>A cópia convertida &apos;%1&apos; tem mais registros que &apos;%2&apos;, por isso não foi usada. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The old file &apos;%1&apos; could not be kept as &apos;%2&apos; (%3). Nothing was changed.</source>
        <translation>O arquivo antigo &apos;%1&apos; não pôde ser guardado como &apos;%2&apos; (%3). Nada foi alterado.</translation>
    </message>
    <message>
        <source>the copy could not be written</source>
        <translation>a cópia não pôde ser gravada</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; of the inventory &apos;%2&apos; is read-only: the converted inventory is written beside the old one. Allow writing to the folder, or copy the program&apos;s folder to a place where you may write. Nothing was changed.</source>
        <translation>A pasta &apos;%1&apos; do inventário &apos;%2&apos; é somente leitura: o inventário convertido é gravado ao lado do antigo. Permita a gravação na pasta, ou copie a pasta do programa para um lugar onde você possa gravar. Nada foi alterado.</translation>
    </message>
    <message>
        <source>There is not enough room on the disk of &apos;%1&apos; to convert the inventory &apos;%2&apos;: it needs about %3 MB, and %4 MB are free. Make room and start again. Nothing was changed.</source>
        <translation>Não há espaço suficiente no disco de &apos;%1&apos; para converter o inventário &apos;%2&apos;: são necessários cerca de %3 MB, e há %4 MB livres. Libere espaço e comece de novo. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The converted inventory could not take the name &apos;%1&apos; (%2). Nothing was changed.</source>
        <translation>O inventário convertido não pôde receber o nome &apos;%1&apos; (%2). Nada foi alterado.</translation>
    </message>
    <message>
        <source>The inventory &apos;%1&apos; was converted to the current format: %2 records.<byte value="xd"/>
<byte value="xd"/>
The old Access-format file is kept beside it as &apos;%3&apos;.</source>
        <translation>O inventário &apos;%1&apos; foi convertido para o formato atual: %2 registros.<byte value="xd"/>
<byte value="xd"/>
O arquivo antigo no formato Access fica guardado ao lado dele como &apos;%3&apos;.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
These columns of the old file are not part of an inventory and were left out: %1.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Estas colunas do arquivo antigo não fazem parte de um inventário e foram deixadas de fora: %1.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
The old file had no column %1; it is empty in every record.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
O arquivo antigo não tinha a coluna %1; ela fica vazia em todos os registros.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be found.</source>
        <translation>O arquivo &apos;%1&apos; não foi encontrado.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read (%2). Check its permissions.</source>
        <translation>O arquivo &apos;%1&apos; não pode ser lido (%2). Verifique as permissões dele.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not an Access-format database.</source>
        <translation>O arquivo &apos;%1&apos; não é um banco de dados no formato Access.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; was saved by Access 2007 or later. Only the formats of Access 97 and Access 2000 can be converted: save it in Access 2000 format (.mdb) and start again. Nothing was changed.</source>
        <translation>O arquivo &apos;%1&apos; foi salvo pelo Access 2007 ou posterior. Só os formatos do Access 97 e do Access 2000 podem ser convertidos: salve-o no formato do Access 2000 (.mdb) e comece de novo. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is encrypted. Decrypt it in Access, then start again. Nothing was changed.</source>
        <translation>O arquivo &apos;%1&apos; está criptografado. Descriptografe-o no Access e comece de novo. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is protected by a password. Remove the password in Access, then start again. Nothing was changed.</source>
        <translation>O arquivo &apos;%1&apos; está protegido por senha. Remova a senha no Access e comece de novo. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: the environment variable MDBICONV asks for text in %2. Start the program without it.</source>
        <translation>O arquivo &apos;%1&apos; não pode ser lido: a variável de ambiente MDBICONV pede texto em %2. Inicie o programa sem ela.</translation>
    </message>
    <message>
        <source>The Access-format file &apos;%1&apos; is damaged: %2. Nothing was changed. Repair it in Access, or restore it from a backup copy.</source>
        <translation>O arquivo no formato Access &apos;%1&apos; está danificado: %2. Nada foi alterado. Repare-o no Access, ou restaure-o de uma cópia de segurança.</translation>
    </message>
    <message>
        <source>The Access-format file &apos;%1&apos; has no table &apos;%2&apos;.</source>
        <translation>O arquivo no formato Access &apos;%1&apos; não tem a tabela &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>ele está truncado</translation>
    </message>
    <message>
        <source>it is cut short: it ends inside its page %1</source>
        <translation>ele está truncado: termina dentro da página %1</translation>
    </message>
    <message>
        <source>its first page cannot be read</source>
        <translation>a primeira página dele não pode ser lida</translation>
    </message>
    <message>
        <source>its list of tables</source>
        <translation>a lista de tabelas</translation>
    </message>
    <message>
        <source>its list of tables cannot be read</source>
        <translation>a lista de tabelas dele não pode ser lida</translation>
    </message>
    <message>
        <source>%1 refers to its page %2, past its end</source>
        <translation>%1 aponta para a página %2, além do fim do arquivo</translation>
    </message>
    <message>
        <source>its page %1 cannot be read</source>
        <translation>a página %1 dele não pode ser lida</translation>
    </message>
    <message>
        <source>the definition of %1 on its page %2 is not one</source>
        <translation>a definição na página %2 não é válida (%1)</translation>
    </message>
    <message>
        <source>the map of the pages of %1 is missing</source>
        <translation>falta o mapa de páginas (%1)</translation>
    </message>
    <message>
        <source>%1 lists its page %2, past its end</source>
        <translation>%1 lista a página %2, além do fim do arquivo</translation>
    </message>
    <message>
        <source>the map of the pages of %1 is of an unknown kind</source>
        <translation>o mapa de páginas é de um tipo desconhecido (%1)</translation>
    </message>
    <message>
        <source>its table %1</source>
        <translation>a tabela %1</translation>
    </message>
    <message>
        <source>the definition of its table &apos;%1&apos; cannot be read</source>
        <translation>a definição da tabela &apos;%1&apos; não pode ser lida</translation>
    </message>
    <message>
        <source>its table %1 counts %2 records, but its pages hold %3</source>
        <translation>a tabela %1 conta %2 registros, mas as páginas dela contêm %3</translation>
    </message>
    <message>
        <source>page %1 lists more rows than it can hold</source>
        <translation>a página %1 lista mais linhas do que comporta</translation>
    </message>
    <message>
        <source>a moved row on page %1 cannot be followed</source>
        <translation>uma linha movida na página %1 não pode ser seguida</translation>
    </message>
    <message>
        <source>a row moved from page %1 points past its end</source>
        <translation>uma linha movida da página %1 aponta além do fim do arquivo</translation>
    </message>
    <message>
        <source>a row moved from page %1 is missing</source>
        <translation>falta uma linha movida da página %1</translation>
    </message>
    <message>
        <source>page %1 cannot be read again</source>
        <translation>a página %1 não pode ser lida de novo</translation>
    </message>
    <message>
        <source>row %1 of page %2 cannot be found</source>
        <translation>a linha %1 da página %2 não foi encontrada</translation>
    </message>
    <message>
        <source>row %1 of page %2 runs past its page</source>
        <translation>a linha %1 da página %2 passa do fim da página</translation>
    </message>
    <message>
        <source>a row on page %1 cannot be taken apart</source>
        <translation>uma linha na página %1 não pode ser decomposta</translation>
    </message>
    <message>
        <source>a value on page %1 runs past its page</source>
        <translation>um valor na página %1 passa do fim da página</translation>
    </message>
    <message>
        <source>a memo on page %1 is cut short</source>
        <translation>um memorando na página %1 está truncado</translation>
    </message>
    <message>
        <source>a memo on page %1 is longer than the file</source>
        <translation>um memorando na página %1 é maior que o arquivo</translation>
    </message>
    <message>
        <source>a memo on page %1 has an unknown form</source>
        <translation>um memorando na página %1 tem uma forma desconhecida</translation>
    </message>
    <message>
        <source>a memo on page %1 points past its end</source>
        <translation>um memorando na página %1 aponta além do fim do arquivo</translation>
    </message>
    <message>
        <source>a memo&apos;s long-value page is missing</source>
        <translation>falta a página de valor longo de um memorando</translation>
    </message>
    <message>
        <source>a memo&apos;s long-value page is not one</source>
        <translation>a página de valor longo de um memorando não é válida</translation>
    </message>
    <message>
        <source>a memo&apos;s long value is cut short</source>
        <translation>o valor longo de um memorando está truncado</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>The storage groups built into the program cannot be read (line %1: %2). Reinstall the program.</source>
        <translation>Os grupos de armazenamento embutidos no programa não podem ser lidos (linha %1: %2). Reinstale o programa.</translation>
    </message>
    <message>
        <source>Compatible organic bases</source>
        <translation>Bases orgânicas compatíveis</translation>
    </message>
    <message>
        <source>organic base</source>
        <translation>base orgânica</translation>
    </message>
    <message>
        <source>Compatible pyrophoric and water-reactive materials</source>
        <translation>Materiais pirofóricos e reativos com água compatíveis</translation>
    </message>
    <message>
        <source>pyrophoric or water-reactive</source>
        <translation>pirofórico ou reativo com água</translation>
    </message>
    <message>
        <source>Compatible inorganic bases</source>
        <translation>Bases inorgânicas compatíveis</translation>
    </message>
    <message>
        <source>inorganic base</source>
        <translation>base inorgânica</translation>
    </message>
    <message>
        <source>Compatible organic acids</source>
        <translation>Ácidos orgânicos compatíveis</translation>
    </message>
    <message>
        <source>organic acid</source>
        <translation>ácido orgânico</translation>
    </message>
    <message>
        <source>Compatible oxidizers including peroxides</source>
        <translation>Oxidantes compatíveis, incluindo peróxidos</translation>
    </message>
    <message>
        <source>oxidizer</source>
        <translation>oxidante</translation>
    </message>
    <message>
        <source>Compatible inorganic acids not including oxidizers or combustibles</source>
        <translation>Ácidos inorgânicos compatíveis, exceto oxidantes ou combustíveis</translation>
    </message>
    <message>
        <source>inorganic acid</source>
        <translation>ácido inorgânico</translation>
    </message>
    <message>
        <source>Not intrinsically reactive or flammable or combustible</source>
        <translation>Não intrinsecamente reativos, inflamáveis ou combustíveis</translation>
    </message>
    <message>
        <source>not reactive</source>
        <translation>não reativo</translation>
    </message>
    <message>
        <source>Poison compressed gases</source>
        <translation>Gases comprimidos tóxicos</translation>
    </message>
    <message>
        <source>poison gas</source>
        <translation>gás tóxico</translation>
    </message>
    <message>
        <source>Compatible explosive or other highly unstable material</source>
        <translation>Explosivos ou outros materiais altamente instáveis compatíveis</translation>
    </message>
    <message>
        <source>explosive or unstable</source>
        <translation>explosivo ou instável</translation>
    </message>
    <message>
        <source>Non-reactive flammable and combustible, including solvents</source>
        <translation>Inflamáveis e combustíveis não reativos, incluindo solventes</translation>
    </message>
    <message>
        <source>flammable</source>
        <translation>inflamável</translation>
    </message>
    <message>
        <source>Incompatible with all other storage groups</source>
        <translation>Incompatíveis com todos os outros grupos de armazenamento</translation>
    </message>
    <message>
        <source>incompatible with all</source>
        <translation>incompatível com todos</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>unknown group</source>
        <translation>grupo desconhecido</translation>
    </message>
    <message>
        <source>set in the hazards text (storage group %1)</source>
        <translation>definido no texto de perigos (grupo de armazenamento %1)</translation>
    </message>
    <message>
        <source>the hazards text names storage group %1, which the scheme does not have (A to G, J, K, L, X)</source>
        <translation>o texto de perigos indica o grupo de armazenamento %1, que o esquema não tem (A a G, J, K, L, X)</translation>
    </message>
    <message>
        <source>%1 in the name: %2</source>
        <translation>%1 no nome: %2</translation>
    </message>
    <message>
        <source>an acid&apos;s formula</source>
        <translation>fórmula de ácido</translation>
    </message>
    <message>
        <source>a hydroxide&apos;s formula</source>
        <translation>fórmula de hidróxido</translation>
    </message>
    <message>
        <source>acid in the name</source>
        <translation>ácido no nome</translation>
    </message>
    <message>
        <source>%1 in the name (%2)</source>
        <translation>%1 no nome (%2)</translation>
    </message>
    <message>
        <source>an acid</source>
        <translation>um ácido</translation>
    </message>
    <message>
        <source>a base</source>
        <translation>uma base</translation>
    </message>
    <message>
        <source>organic formula</source>
        <translation>fórmula orgânica</translation>
    </message>
    <message>
        <source>inorganic formula</source>
        <translation>fórmula inorgânica</translation>
    </message>
    <message>
        <source>a mineral acid&apos;s name</source>
        <translation>nome de ácido mineral</translation>
    </message>
    <message>
        <source>no formula, taken as %1</source>
        <translation>sem fórmula, tomado como %1</translation>
    </message>
    <message>
        <source>%1: corrosive, but neither the name nor the formula tells an acid from a base</source>
        <translation>%1: corrosivo, mas nem o nome nem a fórmula distinguem ácido de base</translation>
    </message>
    <message>
        <source>combustible, as the hazards text says</source>
        <translation>combustível, como diz o texto de perigos</translation>
    </message>
    <message>
        <source>%1: no reactive, flammable or corrosive hazard</source>
        <translation>%1: nenhum perigo reativo, inflamável ou corrosivo</translation>
    </message>
    <message>
        <source>not classified, as the hazards text says</source>
        <translation>não classificado, como diz o texto de perigos</translation>
    </message>
    <message>
        <source>the hazards text names no H-statement</source>
        <translation>o texto de perigos não indica nenhuma frase H</translation>
    </message>
    <message>
        <source>the hazards text is empty</source>
        <translation>o texto de perigos está vazio</translation>
    </message>
    <message>
        <source>%1 (%2) with %3 (%4)</source>
        <translation>%1 (%2) com %3 (%4)</translation>
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
    <message>
        <source>WebSite: %1</source>
        <translation>Site: %1</translation>
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
