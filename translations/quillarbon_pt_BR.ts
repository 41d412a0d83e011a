<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
