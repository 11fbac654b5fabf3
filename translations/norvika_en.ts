<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>Ferramentas</name>
    <message>
        <source>%1 &quot;%2&quot; é o próprio arquivo de %3: escolha outro nome para não perdê-lo.</source>
        <translation>%1 &quot;%2&quot; is the %3 file itself: choose another name so as not to lose it.</translation>
    </message>
    <message>
        <source>%1 e %2 gravariam o mesmo arquivo &quot;%3&quot;.</source>
        <translation>%1 and %2 would write the same file &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>não é possível gravar %1 &quot;%2&quot;: %3.</source>
        <translation>cannot write %1 &quot;%2&quot;: %3.</translation>
    </message>
</context>
<context>
    <name>Mensagens</name>
    <message>
        <source>O arquivo da sessão não pôde ser lido: %1.</source>
        <translation>The session file could not be read: %1.</translation>
    </message>
    <message>
        <source>um texto tem um escape desconhecido</source>
        <translation>a text has an unknown escape</translation>
    </message>
    <message>
        <source>a parte %1 termina no meio</source>
        <translation>part %1 ends halfway</translation>
    </message>
    <message>
        <source>a parte %1 é longa demais</source>
        <translation>part %1 is too long</translation>
    </message>
    <message>
        <source>a parte %1 tem uma linha sem chave</source>
        <translation>part %1 has a line without a key</translation>
    </message>
    <message>
        <source>a parte %1 não diz %2 uma vez</source>
        <translation>part %1 does not give %2 exactly once</translation>
    </message>
    <message>
        <source>a parte %1 tem %2 inválido</source>
        <translation>part %1 has an invalid %2</translation>
    </message>
    <message>
        <source>a parte %1 tem o tamanho errado</source>
        <translation>part %1 has the wrong size</translation>
    </message>
    <message>
        <source>Sem memória para montar o arquivo da sessão.</source>
        <translation>Not enough memory to assemble the session file.</translation>
    </message>
    <message>
        <source>O arquivo da sessão não pôde ser montado.</source>
        <translation>The session file could not be assembled.</translation>
    </message>
    <message>
        <source>não é um arquivo de sessão do laboratório</source>
        <translation>it is not a laboratory session file</translation>
    </message>
    <message>
        <source>falta a parte %1</source>
        <translation>part %1 is missing</translation>
    </message>
    <message>
        <source>a parte %1 não se abre</source>
        <translation>part %1 does not open</translation>
    </message>
    <message>
        <source>a parte %1 está corrompida</source>
        <translation>part %1 is corrupted</translation>
    </message>
    <message>
        <source>a parte %1 é maior do que deveria</source>
        <translation>part %1 is larger than it should be</translation>
    </message>
    <message>
        <source>A sessão não cabe na memória que o programa se permite usar (%1 MiB).</source>
        <translation>The session does not fit in the memory the program allows itself (%1 MiB).</translation>
    </message>
    <message>
        <source>uma execução tem %1 desconhecido</source>
        <translation>a run has an unknown %1</translation>
    </message>
    <message>
        <source>um mapa tem uma grade desconhecida</source>
        <translation>a map has an unknown grid</translation>
    </message>
    <message>
        <source>um mapa: %1</source>
        <translation>a map: %1</translation>
    </message>
    <message>
        <source>a parte %1 tem valores inválidos</source>
        <translation>part %1 has invalid values</translation>
    </message>
    <message>
        <source>A parte %1 da sessão não cabe na memória que o programa se permite usar (%2 MiB).</source>
        <translation>Part %1 of the session does not fit in the memory the program allows itself (%2 MiB).</translation>
    </message>
    <message>
        <source>foi gravado por uma versão mais nova do Norvika (formato %1)</source>
        <translation>it was saved by a newer version of Norvika (format %1)</translation>
    </message>
    <message>
        <source>o estado da janela está danificado</source>
        <translation>the window&apos;s state is damaged</translation>
    </message>
    <message>
        <source>uns dados têm uma normalização desconhecida</source>
        <translation>a data set has an unknown normalisation</translation>
    </message>
    <message>
        <source>uns dados têm nomes de mais ou de menos</source>
        <translation>a data set has too many or too few names</translation>
    </message>
    <message>
        <source>uns dados têm valores infinitos</source>
        <translation>a data set has infinite values</translation>
    </message>
    <message>
        <source>uns dados têm rótulos fora da legenda</source>
        <translation>a data set has labels outside its legend</translation>
    </message>
    <message>
        <source>uma execução não diz em que dados treinou</source>
        <translation>a run does not say which data it trained on</translation>
    </message>
    <message>
        <source>uma execução: %1</source>
        <translation>a run: %1</translation>
    </message>
    <message>
        <source>uma execução tem pesos iniciais de outro mapa</source>
        <translation>a run has the initial weights of another map</translation>
    </message>
    <message>
        <source>a parte %1quadros.bin tem o tamanho errado</source>
        <translation>part %1quadros.bin has the wrong size</translation>
    </message>
    <message>
        <source>a reprise de uma execução está fora de ordem</source>
        <translation>the replay of a run is out of order</translation>
    </message>
    <message>
        <source>a reprise de uma execução tem valores inválidos</source>
        <translation>the replay of a run has invalid values</translation>
    </message>
    <message>
        <source>a reprise de uma execução tem vencedores inválidos</source>
        <translation>the replay of a run has invalid winners</translation>
    </message>
    <message>
        <source>o mapa mostrado não tem dados</source>
        <translation>the map shown has no data</translation>
    </message>
    <message>
        <source>a sessão mostra dois mapas</source>
        <translation>the session shows two maps</translation>
    </message>
    <message>
        <source>A sessão não cabe na memória que o programa se permite usar.</source>
        <translation>The session does not fit in the memory the program allows itself.</translation>
    </message>
    <message>
        <source>O cabeçalho do arquivo de padrões não anuncia padrões e valores.</source>
        <translation>The header of the pattern file does not state patterns and values.</translation>
    </message>
    <message>
        <source>%1 (valores originais)</source>
        <translation>%1 (original values)</translation>
    </message>
    <message>
        <source>O mapa de %1 x %2 neurônios com %3 pesos cada deste arquivo não cabe na memória que o programa se permite usar.</source>
        <translation>The map of %1 x %2 neurons with %3 weights each in this file does not fit in the memory the program allows itself.</translation>
    </message>
    <message>
        <source>Formato inválido do arquivo de treinamento.</source>
        <translation>Invalid format of the training file.</translation>
    </message>
    <message>
        <source>O arquivo não tem padrões.</source>
        <translation>The file has no patterns.</translation>
    </message>
    <message>
        <source>Abra os dados antes do mapa: ele é medido nos padrões.</source>
        <translation>Open the data before the map: the map is measured on the patterns.</translation>
    </message>
    <message>
        <source>O mapa tem %1 valores por unidade; os dados têm %2.</source>
        <translation>The map has %1 values per unit; the data have %2.</translation>
    </message>
    <message>
        <source>O mapa tem valores ausentes.</source>
        <translation>The map has missing values.</translation>
    </message>
    <message>
        <source>Abra um arquivo de dados antes de treinar.</source>
        <translation>Open a data file before training.</translation>
    </message>
    <message>
        <source>O treino passo a passo é o online: escolha o modo Online.</source>
        <translation>Step-by-step training is online training: choose the Online mode.</translation>
    </message>
    <message>
        <source>Um treino já está em andamento.</source>
        <translation>A training is already running.</translation>
    </message>
    <message>
        <source>O treino passo a passo chegou ao fim; o próximo passo começa outro.</source>
        <translation>The step-by-step training has ended; the next step starts another one.</translation>
    </message>
    <message>
        <source>Falha desconhecida.</source>
        <translation>Unknown failure.</translation>
    </message>
    <message>
        <source>Linha %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Escolha ao menos uma coluna como atributo.</source>
        <translation>Choose at least one column as an attribute.</translation>
    </message>
    <message>
        <source>A coluna &quot;%1&quot; a ignorar não existe na tabela.</source>
        <translation>The column &quot;%1&quot; to ignore is not in the table.</translation>
    </message>
    <message>
        <source>A coluna &quot;%1&quot; do rótulo não existe na tabela.</source>
        <translation>The label column &quot;%1&quot; is not in the table.</translation>
    </message>
    <message>
        <source>A tabela não tem nenhuma coluna numérica para servir de atributo.</source>
        <translation>The table has no numeric column to serve as an attribute.</translation>
    </message>
    <message>
        <source>%1, coluna %2 (&quot;%3&quot;): %4 passa do maior número real.</source>
        <translation>%1, column %2 (&quot;%3&quot;): %4 is beyond the largest real number.</translation>
    </message>
    <message>
        <source>%1, coluna %2 (&quot;%3&quot;): %4 não é um número.</source>
        <translation>%1, column %2 (&quot;%3&quot;): %4 is not a number.</translation>
    </message>
    <message>
        <source>A tabela não cabe na memória que o programa se permite usar (lidas %1 linhas).</source>
        <translation>The table does not fit in the memory the program allows itself (%1 lines read).</translation>
    </message>
    <message>
        <source>a quantidade de padrões deve ficar entre 1 e %1.</source>
        <translation>the number of patterns must be between 1 and %1.</translation>
    </message>
    <message>
        <source>a dimensão deve ficar entre 1 e %1.</source>
        <translation>the dimension must be between 1 and %1.</translation>
    </message>
    <message>
        <source>a quantidade de grupos deve ficar entre 1 e %1.</source>
        <translation>the number of groups must be between 1 and %1.</translation>
    </message>
    <message>
        <source>padrões × dimensão passa de %1 valores.</source>
        <translation>patterns × dimension exceeds %1 values.</translation>
    </message>
    <message>
        <source>O número de linhas do mapa deve estar entre 1 e 100.</source>
        <translation>The number of rows of the map must be between 1 and 100.</translation>
    </message>
    <message>
        <source>O número de colunas do mapa deve estar entre 1 e 100.</source>
        <translation>The number of columns of the map must be between 1 and 100.</translation>
    </message>
    <message>
        <source>Um mapa hexagonal toroidal precisa de um número par de linhas.</source>
        <translation>A toroidal hexagonal map needs an even number of rows.</translation>
    </message>
    <message>
        <source>Os pesos iniciais não têm o tamanho do mapa e a dimensão dos padrões.</source>
        <translation>The initial weights do not match the size of the map and the dimension of the patterns.</translation>
    </message>
    <message>
        <source>O raio deve ser um número maior ou igual a zero.</source>
        <translation>The radius must be a number greater than or equal to zero.</translation>
    </message>
    <message>
        <source>A taxa de aprendizado deve estar entre 0 (exclusive) e 1.</source>
        <translation>The learning rate must be between 0 (exclusive) and 1.</translation>
    </message>
    <message>
        <source>O decaimento exponencial precisa de raios inicial e final positivos.</source>
        <translation>Exponential decay needs positive initial and final radii.</translation>
    </message>
    <message>
        <source>O número de épocas deve estar entre 1 e 1000000.</source>
        <translation>The number of epochs must be between 1 and 1000000.</translation>
    </message>
    <message>
        <source>Não há padrões para treinar.</source>
        <translation>There are no patterns to train on.</translation>
    </message>
    <message>
        <source>Nenhum padrão tem valores.</source>
        <translation>No pattern has values.</translation>
    </message>
    <message>
        <source>O mapa não cabe na memória que o programa se permite.</source>
        <translation>The map does not fit in the memory the program allows itself.</translation>
    </message>
    <message>
        <source>Só o treino online anda padrão a padrão.</source>
        <translation>Only online training goes pattern by pattern.</translation>
    </message>
    <message>
        <source>Falta o separador &quot;|&quot; no cabeçalho do arquivo de padrões.</source>
        <translation>The separator &quot;|&quot; is missing from the header of the pattern file.</translation>
    </message>
    <message>
        <source>Falta o separador &quot;#&quot; no cabeçalho do arquivo de padrões.</source>
        <translation>The separator &quot;#&quot; is missing from the header of the pattern file.</translation>
    </message>
    <message>
        <source>Linha %1 do arquivo de padrões: falta o separador &quot;|&quot; depois do valor %2.</source>
        <translation>Line %1 of the pattern file: the separator &quot;|&quot; is missing after value %2.</translation>
    </message>
    <message>
        <source>Linha %1 do arquivo de padrões: falta o separador &quot;#&quot; depois do rótulo.</source>
        <translation>Line %1 of the pattern file: the separator &quot;#&quot; is missing after the label.</translation>
    </message>
    <message>
        <source>O arquivo de padrões não cabe na memória disponível (lidos %1 de %2 padrões).</source>
        <translation>The pattern file does not fit in the available memory (%1 of %2 patterns read).</translation>
    </message>
    <message>
        <source>Falta o separador &quot;%1&quot; no arquivo de treinamento.</source>
        <translation>The separator &quot;%1&quot; is missing from the training file.</translation>
    </message>
    <message>
        <source>Tamanho de mapa inválido no arquivo de treinamento.</source>
        <translation>Invalid map size in the training file.</translation>
    </message>
    <message>
        <source>Faltam pesos numa linha do arquivo de treinamento.</source>
        <translation>A line of the training file is missing weights.</translation>
    </message>
    <message>
        <source>Linha %1: cabeçalho inválido (esperado: dimensão, topologia hexa ou rect, colunas, linhas e vizinhança bubble ou gaussian).</source>
        <translation>Line %1: invalid header (expected: dimension, topology hexa or rect, columns, rows and neighborhood bubble or gaussian).</translation>
    </message>
    <message>
        <source>Linha %1: a dimensão deve ficar entre 1 e %2.</source>
        <translation>Line %1: the dimension must be between 1 and %2.</translation>
    </message>
    <message>
        <source>Linha %1: colunas e linhas devem ficar entre 1 e %2.</source>
        <translation>Line %1: columns and rows must be between 1 and %2.</translation>
    </message>
    <message>
        <source>Linha %1: um mapa de %2 × %3 neurônios de dimensão %4 passa da memória que o programa se permite (%5 MiB).</source>
        <translation>Line %1: a map of %2 × %3 neurons of dimension %4 exceeds the memory the program allows itself (%5 MiB).</translation>
    </message>
    <message>
        <source>Linha %1: esperados %2 valores, encontrados %3.</source>
        <translation>Line %1: %2 values expected, %3 found.</translation>
    </message>
    <message>
        <source>Linha %1: o valor %2 (%3) é infinito ou sai do intervalo dos reais.</source>
        <translation>Line %1: value %2 (%3) is infinite or outside the range of real numbers.</translation>
    </message>
    <message>
        <source>Linha %1: %2 não é um número (valor %3).</source>
        <translation>Line %1: %2 is not a number (value %3).</translation>
    </message>
    <message>
        <source>Linha %1: o cabeçalho anuncia %2 neurônios de dimensão %3, mas o resto do arquivo, com %4 bytes, não tem lugar para mais de %5.</source>
        <translation>Line %1: the header announces %2 neurons of dimension %3, but the rest of the file, with %4 bytes, has room for no more than %5.</translation>
    </message>
    <message>
        <source>Linha %1: neurônios demais; o cabeçalho anuncia %2.</source>
        <translation>Line %1: too many neurons; the header announces %2.</translation>
    </message>
    <message>
        <source>O arquivo não tem cabeçalho (esperado: dimensão, topologia hexa ou rect, colunas, linhas e vizinhança bubble ou gaussian).</source>
        <translation>The file has no header (expected: dimension, topology hexa or rect, columns, rows and neighborhood bubble or gaussian).</translation>
    </message>
    <message>
        <source>O arquivo tem %1 neurônio; o cabeçalho anuncia %2.</source>
        <translation>The file has %1 neuron; the header announces %2.</translation>
    </message>
    <message>
        <source>O arquivo tem %1 neurônios; o cabeçalho anuncia %2.</source>
        <translation>The file has %1 neurons; the header announces %2.</translation>
    </message>
    <message>
        <source>Linha %1: a linha #n tem mais de %2 nomes; a dimensão é %2.</source>
        <translation>Line %1: the #n line has more than %2 names; the dimension is %2.</translation>
    </message>
    <message>
        <source>Linha %1: a linha #n tem %2 nome; a dimensão é %3.</source>
        <translation>Line %1: the #n line has %2 name; the dimension is %3.</translation>
    </message>
    <message>
        <source>Linha %1: a linha #n tem %2 nomes; a dimensão é %3.</source>
        <translation>Line %1: the #n line has %2 names; the dimension is %3.</translation>
    </message>
    <message>
        <source>O mapa não cabe num codebook: dimensão de 1 a %1, colunas e linhas de 1 a %2.</source>
        <translation>The map does not fit in a codebook: dimension from 1 to %1, columns and rows from 1 to %2.</translation>
    </message>
    <message>
        <source>O codebook tem pesos, rótulos ou nomes em número diferente do mapa.</source>
        <translation>The codebook has a number of weights, labels or names different from the map.</translation>
    </message>
    <message>
        <source>O neurônio %1 tem um valor infinito, que o formato não guarda.</source>
        <translation>Neuron %1 has an infinite value, which the format cannot store.</translation>
    </message>
    <message>
        <source>O rótulo %1 do neurônio %2 começa por uma palavra que se leria como mais um valor.</source>
        <translation>The label %1 of neuron %2 starts with a word that would be read as one more value.</translation>
    </message>
    <message>
        <source>O arquivo é maior do que a memória que o programa se permite (%1 MiB).</source>
        <translation>The file is larger than the memory the program allows itself (%1 MiB).</translation>
    </message>
    <message>
        <source>não há espaço no disco</source>
        <translation>there is no space left on the disk</translation>
    </message>
    <message>
        <source>o arquivo passaria do tamanho permitido</source>
        <translation>the file would exceed the allowed size</translation>
    </message>
    <message>
        <source>o disco só permite leitura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>não há permissão para gravar ali</source>
        <translation>there is no permission to write there</translation>
    </message>
    <message>
        <source>a pasta não existe</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>é uma pasta</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>o nome é longo demais</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é um arquivo comum (é um dispositivo, um pipe ou um socket): nada foi gravado nele.</source>
        <translation>&quot;%1&quot; is not a regular file (it is a device, a pipe or a socket): nothing was written to it.</translation>
    </message>
    <message>
        <source>não é um arquivo comum (é um dispositivo, um pipe ou um socket)</source>
        <translation>it is not a regular file (it is a device, a pipe or a socket)</translation>
    </message>
    <message>
        <source>O arquivo não tem nenhuma linha de dados.</source>
        <translation>The file has no data rows.</translation>
    </message>
    <message>
        <source>Nenhum padrão restou depois de descartar as linhas com valores ausentes.</source>
        <translation>No pattern was left after discarding the rows with missing values.</translation>
    </message>
    <message>
        <source>sim</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>não</source>
        <translation>no</translation>
    </message>
    <message>
        <source>ponto e vírgula</source>
        <translation>semicolon</translation>
    </message>
    <message>
        <source>vírgula</source>
        <translation>comma</translation>
    </message>
    <message>
        <source>tabulação</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>espaços</source>
        <translation>spaces</translation>
    </message>
    <message>
        <source>ponto</source>
        <translation>period</translation>
    </message>
    <message>
        <source>Formato: texto delimitado; separador: %1; marca decimal: %2; cabeçalho: %3; codificação: %4</source>
        <translation>Format: delimited text; separator: %1; decimal mark: %2; header: %3; encoding: %4</translation>
    </message>
    <message>
        <source>Formato: SOM_PAK (.dat); codificação: %1</source>
        <translation>Format: SOM_PAK (.dat); encoding: %1</translation>
    </message>
    <message>
        <source>Formato: ARFF; codificação: %1</source>
        <translation>Format: ARFF; encoding: %1</translation>
    </message>
    <message>
        <source>Formato: planilha &quot;%1&quot; (%2 de %3); cabeçalho: %4</source>
        <translation>Format: spreadsheet &quot;%1&quot; (%2 of %3); header: %4</translation>
    </message>
    <message>
        <source>Formato: planilha</source>
        <translation>Format: spreadsheet</translation>
    </message>
    <message>
        <source>Atributos (%1): %2</source>
        <translation>Attributes (%1): %2</translation>
    </message>
    <message>
        <source>Rótulo: %1</source>
        <translation>Label: %1</translation>
    </message>
    <message>
        <source>Rótulo: nenhum</source>
        <translation>Label: none</translation>
    </message>
    <message>
        <source>Colunas ignoradas: %1</source>
        <translation>Ignored columns: %1</translation>
    </message>
    <message>
        <source>Linhas lidas: %1; padrões: %2</source>
        <translation>Rows read: %1; patterns: %2</translation>
    </message>
    <message>
        <source>Valores ausentes em &quot;%1&quot;: %2</source>
        <translation>Missing values in &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Linhas descartadas por valores ausentes: %1</source>
        <translation>Rows discarded for missing values: %1</translation>
    </message>
    <message>
        <source>Valores ausentes preenchidos com a média da coluna: %1</source>
        <translation>Missing values filled with the column mean: %1</translation>
    </message>
    <message>
        <source>Valores ausentes mantidos: %1</source>
        <translation>Missing values kept: %1</translation>
    </message>
    <message>
        <source>Normalização: mínimo e máximo para [0, 1]</source>
        <translation>Normalization: minimum and maximum to [0, 1]</translation>
    </message>
    <message>
        <source>Normalização: escore z (desvio-padrão amostral)</source>
        <translation>Normalization: z-score (sample standard deviation)</translation>
    </message>
    <message>
        <source>O arquivo ARFF não tem a seção @data.</source>
        <translation>The ARFF file has no @data section.</translation>
    </message>
    <message>
        <source>Linha %1: &quot;%2&quot; não é uma declaração do ARFF (@relation, @attribute ou @data).</source>
        <translation>Line %1: &quot;%2&quot; is not an ARFF declaration (@relation, @attribute or @data).</translation>
    </message>
    <message>
        <source>Linha %1: mais de %2 atributos, mais do que a importação lê.</source>
        <translation>Line %1: more than %2 attributes, more than the import reads.</translation>
    </message>
    <message>
        <source>Linha %1: falta fechar as aspas do nome do atributo.</source>
        <translation>Line %1: the quotes around the attribute name are not closed.</translation>
    </message>
    <message>
        <source>Linha %1: o tipo &quot;%2&quot; do atributo &quot;%3&quot; não é lido (numeric, real, integer, {…}, string ou date).</source>
        <translation>Line %1: the type &quot;%2&quot; of attribute &quot;%3&quot; is not read (numeric, real, integer, {…}, string or date).</translation>
    </message>
    <message>
        <source>O arquivo ARFF não declara nenhum atributo.</source>
        <translation>The ARFF file declares no attributes.</translation>
    </message>
    <message>
        <source>Linha %1: linhas esparsas do ARFF ({…}) não são lidas.</source>
        <translation>Line %1: sparse ARFF lines ({…}) are not read.</translation>
    </message>
    <message>
        <source>Linha %1: %2 valores, mas o ARFF declara %3 atributos.</source>
        <translation>Line %1: %2 values, but the ARFF declares %3 attributes.</translation>
    </message>
    <message>
        <source>As linhas deste arquivo terminam só com CR (como nos Macintosh antigos): grave-o com LF ou CR LF no fim das linhas.</source>
        <translation>The lines of this file end with CR only (as on old Macintosh computers): save it with LF or CR LF at the end of the lines.</translation>
    </message>
    <message>
        <source>Linha %1: valores demais numa linha.</source>
        <translation>Line %1: too many values on one line.</translation>
    </message>
    <message>
        <source>Linha %1: a primeira linha de um arquivo SOM_PAK deve ser a dimensão (um número inteiro positivo), e não %2.</source>
        <translation>Line %1: the first line of a SOM_PAK file must be the dimension (a positive whole number), not %2.</translation>
    </message>
    <message>
        <source>Linha %1: a dimensão %2 passa das %3 colunas que a importação lê.</source>
        <translation>Line %1: the dimension %2 exceeds the %3 columns the import reads.</translation>
    </message>
    <message>
        <source>Linha %1: %2 valores, mas a dimensão é %3.</source>
        <translation>Line %1: %2 values, but the dimension is %3.</translation>
    </message>
    <message>
        <source>O arquivo está vazio: não há a linha da dimensão.</source>
        <translation>The file is empty: there is no dimension line.</translation>
    </message>
    <message>
        <source>Palavras-chave do SOM_PAK depois dos valores (como weight= ou fixed=) foram lidas e ignoradas.</source>
        <translation>SOM_PAK keywords after the values (such as weight= or fixed=) were read and ignored.</translation>
    </message>
    <message>
        <source>Um arquivo de padrões não guarda valores ausentes: escolha descartar as linhas ou preencher com a média (ou grave um .dat do SOM_PAK).</source>
        <translation>A pattern file cannot store missing values: choose to discard the rows or to fill them with the mean (or save a SOM_PAK .dat).</translation>
    </message>
    <message>
        <source>A planilha &quot;%1&quot; está vazia.</source>
        <translation>The sheet &quot;%1&quot; is empty.</translation>
    </message>
    <message>
        <source>A tabela começa na linha %1 da planilha: as linhas acima (vazias, ou com um título) foram ignoradas.</source>
        <translation>The table starts at row %1 of the sheet: the rows above it (empty, or with a title) were ignored.</translation>
    </message>
    <message>
        <source>A primeira coluna da planilha está vazia e foi ignorada.</source>
        <translation>The first column of the sheet is empty and was ignored.</translation>
    </message>
    <message>
        <source>As %1 primeiras colunas da planilha estão vazias e foram ignoradas.</source>
        <translation>The first %1 columns of the sheet are empty and were ignored.</translation>
    </message>
    <message>
        <source>Linha %1: mais de %2 campos, mais do que a importação lê.</source>
        <translation>Line %1: more than %2 fields, more than the import reads.</translation>
    </message>
    <message>
        <source>Linha %1: as aspas abertas nesta linha não se fecham até o fim do arquivo.</source>
        <translation>Line %1: the quotes opened on this line are not closed before the end of the file.</translation>
    </message>
    <message>
        <source>Um registro da tabela é longo demais para a memória disponível (mais de %1 MiB).</source>
        <translation>A record of the table is too long for the available memory (more than %1 MiB).</translation>
    </message>
    <message>
        <source>O número %1 usa separador de milhar, que a importação não adivinha: tire-o no programa de origem (ou escolha a marca decimal).</source>
        <translation>The number %1 uses a thousands separator, which the import does not guess: remove it in the program the data comes from (or choose the decimal mark).</translation>
    </message>
    <message>
        <source>A tabela tem números com ponto (%1) e com vírgula (%2): um deles é separador de milhar, que a importação não adivinha. Escolha a marca decimal.</source>
        <translation>The table has numbers with a period (%1) and with a comma (%2): one of them is a thousands separator, which the import does not guess. Choose the decimal mark.</translation>
    </message>
    <message>
        <source>A primeira coluna, sem nome, só numera as linhas (como os nomes de linha do R) e ficou de fora.</source>
        <translation>The first column, which has no name, only numbers the rows (like R&apos;s row names) and was left out.</translation>
    </message>
    <message>
        <source>O arquivo está vazio: não há nenhuma linha de dados.</source>
        <translation>The file is empty: there are no data rows.</translation>
    </message>
    <message>
        <source>Linha %1: %2 campos, mas a tabela tem %3 colunas.</source>
        <translation>Line %1: %2 fields, but the table has %3 columns.</translation>
    </message>
    <message>
        <source>Não foi possível ler &quot;%1&quot;: não é um arquivo comum (é um pipe, um dispositivo ou um socket).</source>
        <translation>Could not read &quot;%1&quot;: it is not a regular file (it is a pipe, a device or a socket).</translation>
    </message>
    <message>
        <source>Não foi possível ler &quot;%1&quot;: a pasta não existe.</source>
        <translation>Could not read &quot;%1&quot;: the folder does not exist.</translation>
    </message>
    <message>
        <source>Não foi possível ler &quot;%1&quot;: o arquivo não existe.</source>
        <translation>Could not read &quot;%1&quot;: the file does not exist.</translation>
    </message>
    <message>
        <source>Não foi possível ler &quot;%1&quot;: é uma pasta.</source>
        <translation>Could not read &quot;%1&quot;: it is a folder.</translation>
    </message>
    <message>
        <source>Não foi possível ler &quot;%1&quot;: não há permissão para lê-lo.</source>
        <translation>Could not read &quot;%1&quot;: there is no permission to read it.</translation>
    </message>
    <message>
        <source>Não foi possível ler &quot;%1&quot;: o nome é longo demais.</source>
        <translation>Could not read &quot;%1&quot;: the name is too long.</translation>
    </message>
    <message>
        <source>Não foi possível ler &quot;%1&quot;: %2.</source>
        <translation>Could not read &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: &quot;%2&quot; não é um número inteiro.</source>
        <translation>&quot;%1&quot;: &quot;%2&quot; is not a whole number.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: &quot;%2&quot; não é um número.</source>
        <translation>&quot;%1&quot;: &quot;%2&quot; is not a number.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: um valor passa do maior número que o programa guarda.</source>
        <translation>&quot;%1&quot;: a value exceeds the largest number the program stores.</translation>
    </message>
    <message>
        <source>Uma linha do arquivo é longa demais para a memória disponível (mais de %1 MiB).</source>
        <translation>A line of the file is too long for the available memory (more than %1 MiB).</translation>
    </message>
    <message>
        <source>A coluna &quot;%1&quot; não tem nenhum valor para tirar a média.</source>
        <translation>The column &quot;%1&quot; has no values to take the mean of.</translation>
    </message>
    <message>
        <source>A coluna &quot;%1&quot; vai de um extremo ao outro dos números reais: não há como pô-la na escala.</source>
        <translation>The column &quot;%1&quot; spans from one end of the real numbers to the other: it cannot be scaled.</translation>
    </message>
    <message>
        <source>A coluna &quot;%1&quot; é constante: na escala ficou toda igual a 0.</source>
        <translation>The column &quot;%1&quot; is constant: scaled, it is all equal to 0.</translation>
    </message>
    <message>
        <source>Taxa de Aprendizagem = %1    Ciclo de término : %2    Raio: %3</source>
        <translation>Learning Rate = %1    Final cycle : %2    Radius: %3</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: não é um arquivo zip (o .xlsx e o .ods são).</source>
        <translation>The spreadsheet could not be read: it is not a zip file (.xlsx and .ods files are).</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: falta a parte %1.</source>
        <translation>The spreadsheet could not be read: the part %1 is missing.</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: a parte %1 não se abre.</source>
        <translation>The spreadsheet could not be read: the part %1 does not open.</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: a parte %1 está corrompida.</source>
        <translation>The spreadsheet could not be read: the part %1 is corrupted.</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: a parte %1 tem elementos aninhados a mais de %2 níveis.</source>
        <translation>The spreadsheet could not be read: the part %1 has elements nested more than %2 levels deep.</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: a parte %1 tem um elemento de mais de %2 MiB.</source>
        <translation>The spreadsheet could not be read: the part %1 has an element of more than %2 MiB.</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: a parte %1 não é XML válido (linha %2: %3).</source>
        <translation>The spreadsheet could not be read: the part %1 is not valid XML (line %2: %3).</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: a planilha passa das %1 linhas.</source>
        <translation>The spreadsheet could not be read: the sheet exceeds %1 rows.</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: a planilha passa das %1 colunas.</source>
        <translation>The spreadsheet could not be read: the sheet exceeds %1 columns.</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: o arquivo tem mais de %1 planilhas.</source>
        <translation>The spreadsheet could not be read: the file has more than %1 sheets.</translation>
    </message>
    <message>
        <source>1 célula com erro (como #DIV/0!) foi lida como valor ausente.</source>
        <translation>1 cell with an error (such as #DIV/0!) was read as a missing value.</translation>
    </message>
    <message>
        <source>%1 células com erro (como #DIV/0!) foram lidas como valores ausentes.</source>
        <translation>%1 cells with an error (such as #DIV/0!) were read as missing values.</translation>
    </message>
    <message>
        <source>1 fórmula sem valor calculado foi lida como valor ausente (abra e grave a planilha de novo para calculá-la).</source>
        <translation>1 formula without a calculated value was read as a missing value (open and save the spreadsheet again to calculate it).</translation>
    </message>
    <message>
        <source>%1 fórmulas sem valor calculado foram lidas como valores ausentes (abra e grave a planilha de novo para calculá-las).</source>
        <translation>%1 formulas without a calculated value were read as missing values (open and save the spreadsheet again to calculate them).</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: não é uma planilha .xlsx nem .ods.</source>
        <translation>The spreadsheet could not be read: it is neither an .xlsx nor an .ods spreadsheet.</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: a parte %1 leva o arquivo descomprimido a mais de %2 MiB.</source>
        <translation>The spreadsheet could not be read: the part %1 takes the uncompressed file past %2 MiB.</translation>
    </message>
    <message>
        <source>A planilha não cabe na memória que o programa se permite usar com ela: até %1 para as %2 de XML lidas até aqui.</source>
        <translation>The spreadsheet does not fit in the memory the program allows itself to use for it: up to %1 for the %2 of XML read so far.</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: não há nenhuma planilha no arquivo.</source>
        <translation>The spreadsheet could not be read: there is no sheet in the file.</translation>
    </message>
    <message>
        <source>O arquivo não tem a planilha &quot;%1&quot;.</source>
        <translation>The file has no sheet &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: o arquivo tem relações demais entre as suas partes.</source>
        <translation>The spreadsheet could not be read: the file has too many relationships between its parts.</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: um texto compartilhado que não existe.</source>
        <translation>The spreadsheet could not be read: a shared string that does not exist.</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: o arquivo tem mais de %1 textos compartilhados.</source>
        <translation>The spreadsheet could not be read: the file has more than %1 shared strings.</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: um texto compartilhado sem número.</source>
        <translation>The spreadsheet could not be read: a shared string without a number.</translation>
    </message>
    <message>
        <source>A planilha não pôde ser lida: falta a planilha &quot;%1&quot;.</source>
        <translation>The spreadsheet could not be read: the sheet &quot;%1&quot; is missing.</translation>
    </message>
    <message>
        <source>busca desconhecida: &quot;%1&quot; (use escalar, avx2 ou avx512)</source>
        <translation>unknown search: &quot;%1&quot; (use escalar, avx2 or avx512)</translation>
    </message>
    <message>
        <source>este processador não executa a busca %1 (a melhor aqui é %2)</source>
        <translation>this processor cannot run the %1 search (the best one here is %2)</translation>
    </message>
    <message>
        <source>Interrompido a pedido.</source>
        <translation>Stopped on request.</translation>
    </message>
    <message>
        <source>todos os padrões têm o mesmo número de valores</source>
        <translation>all patterns must have the same number of values</translation>
    </message>
    <message>
        <source>O mapa precisa de pelo menos uma linha e uma coluna de neurônios.</source>
        <translation>The map needs at least one row and one column of neurons.</translation>
    </message>
    <message>
        <source>A dimensão dos padrões não pode ser negativa.</source>
        <translation>The dimension of the patterns cannot be negative.</translation>
    </message>
    <message>
        <source>Um mapa de %1 x %2 neurônios com %3 pesos cada não cabe na memória (precisaria de mais de %4; o limite é %5).</source>
        <translation>A map of %1 x %2 neurons with %3 weights each does not fit in memory (it would need more than %4; the limit is %5).</translation>
    </message>
    <message>
        <source>atributo_%1</source>
        <translation>attribute_%1</translation>
    </message>
    <message>
        <source>linha;coluna</source>
        <translation>row;column</translation>
    </message>
    <message>
        <source>;acertos;rotulo</source>
        <translation>;hits;label</translation>
    </message>
    <message>
        <source>padrao;linha;coluna;distancia;rotulo</source>
        <translation>pattern;row;column;distance;label</translation>
    </message>
    <message>
        <source>A animação não pôde ser montada (%1).</source>
        <translation>The animation could not be assembled (%1).</translation>
    </message>
    <message>
        <source>A taxa --eps deve estar entre 0 (exclusive) e 1, no início e no fim.</source>
        <translation>The rate --eps must be between 0 (exclusive) and 1, at the start and at the end.</translation>
    </message>
    <message>
        <source>O alcance --lambda deve ser positivo, no início e no fim.</source>
        <translation>The range --lambda must be positive, at the start and at the end.</translation>
    </message>
    <message>
        <source>A idade --idade deve ser positiva, no início e no fim.</source>
        <translation>The age --idade must be positive, at the start and at the end.</translation>
    </message>
    <message>
        <source>As taxas --eps-b e --eps-n devem estar entre 0 (exclusive) e 1.</source>
        <translation>The rates --eps-b and --eps-n must be between 0 (exclusive) and 1.</translation>
    </message>
    <message>
        <source>A idade máxima --idade-max deve ser ao menos 1.</source>
        <translation>The maximum age --idade-max must be at least 1.</translation>
    </message>
    <message>
        <source>O fator --alfa deve estar entre 0 (exclusive) e 1.</source>
        <translation>The factor --alfa must be between 0 (exclusive) and 1.</translation>
    </message>
    <message>
        <source>O fator --beta deve estar entre 0 e 1 (exclusive).</source>
        <translation>The factor --beta must be between 0 and 1 (exclusive).</translation>
    </message>
    <message>
        <source>O limiar --k deve ser positivo.</source>
        <translation>The threshold --k must be positive.</translation>
    </message>
    <message>
        <source>O número --unidades-max deve estar entre 2 e %1.</source>
        <translation>The number --unidades-max must be between 2 and %1.</translation>
    </message>
    <message>
        <source>O grid crescente começa com 4 unidades e cresce até no máximo %1: --unidades-max deve estar entre 4 e %1.</source>
        <translation>The growing grid starts with 4 units and grows to at most %1: --unidades-max must be between 4 and %1.</translation>
    </message>
    <message>
        <source>O raio --sigma deve ser positivo.</source>
        <translation>The radius --sigma must be positive.</translation>
    </message>
    <message>
        <source>A taxa --eps0 deve estar entre 0 (exclusive) e 1.</source>
        <translation>The rate --eps0 must be between 0 (exclusive) and 1.</translation>
    </message>
    <message>
        <source>O número --epocas-ajuste deve estar entre 0 e 1000000.</source>
        <translation>The number --epocas-ajuste must be between 0 and 1000000.</translation>
    </message>
    <message>
        <source>O número --unidades deve estar entre 1 e %1.</source>
        <translation>The number --unidades must be between 1 and %1.</translation>
    </message>
    <message>
        <source>As arestas ligam duas unidades: --unidades deve ser ao menos 2.</source>
        <translation>Edges join two units: --unidades must be at least 2.</translation>
    </message>
    <message>
        <source>Os dados têm valores ausentes ou não finitos, que este modelo não aceita: descarte-os ou preencha-os na importação.</source>
        <translation>The data have missing or non-finite values, which this model does not take: drop them or fill them in the import.</translation>
    </message>
    <message>
        <source>Unidades demais para a dimensão destes dados: peça menos unidades.</source>
        <translation>Too many units for the dimension of these data: ask for fewer units.</translation>
    </message>
    <message>
        <source>As unidades iniciais dadas devem ser ao menos %1, de %2 valores cada.</source>
        <translation>The starting units given must be at least %1, of %2 values each.</translation>
    </message>
    <message>
        <source>As unidades iniciais dadas têm um valor que não é finito.</source>
        <translation>The starting units given have a value that is not finite.</translation>
    </message>
    <message>
        <source>Há %1 padrões, menos que as %2 unidades iniciais, que são padrões distintos.</source>
        <translation>There are %1 patterns, fewer than the %2 starting units, which are distinct patterns.</translation>
    </message>
    <message>
        <source>O treino não teria nenhum sinal.</source>
        <translation>The training would have no signal.</translation>
    </message>
    <message>
        <source>Linha %1: a dimensão deve ser um inteiro de 1 a %2.</source>
        <translation>Line %1: the dimension must be a whole number from 1 to %2.</translation>
    </message>
    <message>
        <source>Linha %1: a unidade tem mais de %2 valores.</source>
        <translation>Line %1: the unit has more than %2 values.</translation>
    </message>
    <message>
        <source>As unidades não cabem no arquivo: dimensão de 1 a %1, unidades inteiras.</source>
        <translation>The units do not fit the file: dimension 1 to %1, whole units.</translation>
    </message>
    <message>
        <source>Uma unidade tem um valor que não é finito.</source>
        <translation>A unit has a value that is not finite.</translation>
    </message>
    <message>
        <source>Um nó do grafo não tem id, ou repete o de outro.</source>
        <translation>A node of the graph has no id, or repeats another&apos;s.</translation>
    </message>
    <message>
        <source>Uma aresta do grafo não tem as duas pontas.</source>
        <translation>An edge of the graph lacks one of its ends.</translation>
    </message>
    <message>
        <source>O valor &quot;%1&quot; de um nó não é um número finito.</source>
        <translation>The value &quot;%1&quot; of a node is not a finite number.</translation>
    </message>
    <message>
        <source>O grafo não tem unidades inteiras.</source>
        <translation>The graph does not have whole units.</translation>
    </message>
    <message>
        <source>Uma aresta liga uma unidade que não existe.</source>
        <translation>An edge joins a unit that does not exist.</translation>
    </message>
    <message>
        <source>O grafo é grande demais.</source>
        <translation>The graph is too large.</translation>
    </message>
    <message>
        <source>Linha %1: XML inválido (%2).</source>
        <translation>Line %1: invalid XML (%2).</translation>
    </message>
    <message>
        <source>O grafo não tem nós com valores (chaves de nó).</source>
        <translation>The graph has no nodes with values (node keys).</translation>
    </message>
    <message>
        <source>O nó %1 não tem o valor &quot;%2&quot;.</source>
        <translation>Node %1 has no value &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>A aresta %1 – %2 liga um nó que não existe.</source>
        <translation>The edge %1 – %2 joins a node that does not exist.</translation>
    </message>
    <message>
        <source>O intervalo --lambda deve ser um inteiro de 1 a %1.</source>
        <translation>The interval --lambda must be a whole number from 1 to %1.</translation>
    </message>
    <message>
        <source>O grid crescente não chegaria a %1 unidades: precisaria de uns %2 sinais. Peça menos unidades ou um --lambda menor.</source>
        <translation>The growing grid would not reach %1 units: it would need about %2 signals. Ask for fewer units or a smaller --lambda.</translation>
    </message>
    <message>
        <source>O número --sinais deve estar entre 1 e %1.</source>
        <translation>The number --sinais must be between 1 and %1.</translation>
    </message>
    <message>
        <source>As chaves dos nós vêm antes dos nós, e são no máximo 100000.</source>
        <translation>The node keys come before the nodes, and there are at most 100000 of them.</translation>
    </message>
    <message>
        <source>O grafo é maior do que a memória que o programa se permite (%1 MiB).</source>
        <translation>The graph is larger than the memory the program allows itself (%1 MiB).</translation>
    </message>
</context>
<context>
    <name>NorvikaFiguras</name>
    <message>
        <source>%1 deve ser um número inteiro de %2 a %3: &quot;%4&quot;</source>
        <translation>%1 must be a whole number from %2 to %3: &quot;%4&quot;</translation>
    </message>
    <message>
        <source>falta o valor de %1</source>
        <translation>missing the value of %1</translation>
    </message>
    <message>
        <source>opção desconhecida: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>argumento a mais: %1</source>
        <translation>one argument too many: %1</translation>
    </message>
    <message>
        <source>falta --vista</source>
        <translation>missing --vista</translation>
    </message>
    <message>
        <source>falta --saida</source>
        <translation>missing --saida</translation>
    </message>
    <message>
        <source>--largura × --altura passa de %1 milhões de pixels</source>
        <translation>--largura × --altura exceeds %1 million pixels</translation>
    </message>
    <message>
        <source>o arquivo de treinamento não existe: %1</source>
        <translation>the training file does not exist: %1</translation>
    </message>
    <message>
        <source>o mapa deste arquivo não cabe na memória que o programa se permite usar.</source>
        <translation>this file&apos;s map does not fit in the memory the program allows itself to use.</translation>
    </message>
    <message>
        <source>Formato inválido do arquivo de treinamento.</source>
        <translation>Invalid training file format.</translation>
    </message>
    <message>
        <source>Você deve especificar um arquivo de padrões.</source>
        <translation>You must specify a pattern file.</translation>
    </message>
    <message>
        <source>Estes padrões não podem ser classificados com esta rede!</source>
        <translation>These patterns cannot be classified with this network!</translation>
    </message>
    <message>
        <source>Formato inválido do arquivo de padrões.</source>
        <translation>Invalid pattern file format.</translation>
    </message>
    <message>
        <source>não foi possível gravar &quot;%1&quot;: %2</source>
        <translation>could not write &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>rede</source>
        <translation>network</translation>
    </message>
    <message>
        <source>padrões</source>
        <translation>patterns</translation>
    </message>
    <message>
        <source>não foi possível criar a pasta &quot;%1&quot;</source>
        <translation>could not create the folder &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a vista cores precisa de padrões de 3 atributos; estes têm %1</source>
        <translation>the cores view needs patterns of 3 attributes; these have %1</translation>
    </message>
    <message>
        <source>--escalas deve ser comum ou separadas: &quot;%1&quot;</source>
        <translation>--escalas must be comum or separadas: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>faltam o mapa (.cfg ou .cod) e os dados</source>
        <translation>the map (.cfg or .cod) and the data are missing</translation>
    </message>
    <message>
        <source>formato desconhecido: %1 (use png, jpg, svg ou pdf)</source>
        <translation>unknown format: %1 (use png, jpg, svg or pdf)</translation>
    </message>
    <message>
        <source>--saida &quot;%1&quot; deve terminar em .png, .jpg, .svg ou .pdf: o formato da imagem segue a extensão</source>
        <translation>--saida &quot;%1&quot; must end in .png, .jpg, .svg or .pdf: the image format follows the extension</translation>
    </message>
    <message>
        <source>o arquivo do mapa não existe: %1</source>
        <translation>the map file does not exist: %1</translation>
    </message>
    <message>
        <source>Uso: norvika-figuras MAPA DADOS --vista VISTA --saida ARQUIVO [opções]
Desenha as vistas do explorador de um mapa treinado: uma rede da janela clássica
(.cfg) com um arquivo de padrões, ou um mapa do laboratório (.cod, do SOM_PAK) com
os dados que o laboratório lê (padrões ou tabela). Os padrões são classificados no
mapa (como em &quot;Classificar!&quot;) para os acertos e os rótulos.

  --vista VISTA        rotulos, acertos, matriz-u, planos, cores (com 3 atributos),
                       espaco, amostras (os padrões nas suas unidades),
                       agrupamentos, erro-unidade, propriedade=COLUNA (a média
                       de um atributo por unidade; nome ou número), ou todas
  --saida ARQUIVO      o arquivo da imagem, .png, .jpg, .svg ou .pdf (o formato
                       segue a extensão); com --vista todas, a pasta onde cada
                       vista é gravada como VISTA.png (ou .jpg, .svg, .pdf)
  --formato F          o formato das imagens de --vista todas: png (o padrão),
                       jpg, svg ou pdf
  --largura PX         a largura da imagem (1000 por padrão)
  --altura PX          a altura da imagem, sem a legenda (700 por padrão);
                       largura × altura até 40 milhões de pixels; os textos, as
                       linhas e a legenda crescem com o menor lado
  --escalas comum|separadas  nos planos de componentes, uma escala de cores para
                       todos (o padrão) ou uma para cada plano
  --agrupamentos K     as fronteiras de K grupos de unidades (de 2 a 20) sobre a
                       vista; a vista agrupamentos sem ela usa o K sugerido
  --legenda-completa   escreve abaixo da imagem o arquivo, o tamanho do mapa, a
                       vizinhança, o raio, a semente e os erros do mapa
  --idioma pt|en       o idioma das mensagens e dos textos das imagens (português ou
                       inglês); também NORVIKA_IDIOMA
  --help               mostra esta ajuda
  --version            mostra a versão
</source>
        <translation>Usage: norvika-figuras MAP DATA --vista VIEW --saida FILE [options]
Draws the map explorer&apos;s views of a trained map: a classic window&apos;s network (.cfg)
with a pattern file, or a laboratory map (.cod, SOM_PAK&apos;s) with the data the
laboratory reads (patterns or a table). The patterns are classified on the map (as
in &quot;Classify!&quot;) for the hits and the labels.

  --vista VIEW         rotulos (labels), acertos (hits), matriz-u (U-matrix), planos
                       (component planes), cores (colours, with 3 attributes), espaco
                       (input space), amostras (the patterns in their units),
                       agrupamentos (clusters), erro-unidade (error per unit),
                       propriedade=COLUMN (an attribute&apos;s mean per unit; name or
                       number), or todas (all)
  --saida FILE         the image file, .png, .jpg, .svg or .pdf (the format follows
                       the extension); with --vista todas, the folder where each
                       view is written as VIEW.png (or .jpg, .svg, .pdf)
  --formato F          the format of the images of --vista todas: png (the
                       default), jpg, svg or pdf
  --largura PX         the image&apos;s width (1000 by default)
  --altura PX          the image&apos;s height, without the caption (700 by default);
                       width × height up to 40 million pixels; the texts, the
                       lines and the caption grow with the shorter side
  --escalas comum|separadas  in the component planes, one colour scale for all of
                       them (comum, the default) or one for each plane (separadas)
  --agrupamentos K     the borders of K clusters of units (2 to 20) over the view;
                       the agrupamentos view without it uses the suggested K
  --legenda-completa   writes below the image the file, the map&apos;s size, the
                       neighbourhood, the radius, the seed and the map&apos;s errors
  --idioma pt|en       the language of the messages and of the images&apos; texts
                       (Portuguese or English); also NORVIKA_IDIOMA
  --help               shows this help
  --version            shows the version
</translation>
    </message>
    <message>
        <source>vista desconhecida: %1 (use rotulos, acertos, matriz-u, planos, cores, espaco, amostras, agrupamentos, erro-unidade, propriedade=COLUNA ou todas)</source>
        <translation>unknown view: %1 (use rotulos, acertos, matriz-u, planos, cores, espaco, amostras, agrupamentos, erro-unidade, propriedade=COLUMN or todas)</translation>
    </message>
</context>
<context>
    <name>NorvikaImporta</name>
    <message>
        <source>Uso: norvika-importa ENTRADA --saida PADROES.txt [opções]
Lê uma tabela (CSV, TSV, texto em colunas, .dat do SOM_PAK, ARFF ou uma planilha
.xlsx ou .ods) e grava um arquivo de padrões do Norvika (ou um .dat do SOM_PAK,
quando a saída termina em .dat).
Sem as opções, o separador, a marca decimal e o cabeçalho são detectados.

  --saida ARQUIVO                  o arquivo de padrões a gravar
  --separador &apos;;&apos;|&apos;,&apos;|tab|espacos  o separador das colunas
  --decimal virgula|ponto          a marca decimal dos números
  --cabecalho sim|nao              se a primeira linha tem os nomes das colunas
  --planilha NOME|N                a planilha de um .xlsx ou .ods (a primeira por
                                   padrão)
  --rotulo COLUNA|nenhum           a coluna do rótulo (nome ou número a partir de 1)
  --ignorar COL,COL                colunas a deixar de fora (nomes ou números)
  --ausentes descartar|media       valores ausentes: descarta a linha (padrão) ou
                                   preenche com a média da coluna
  --normalizar nenhuma|minmax|z    escala de cada atributo: nenhuma (padrão), para
                                   [0, 1], ou escore z (desvio-padrão amostral)
  --idioma pt|en                   o idioma das mensagens (português ou inglês),
                                   também NORVIKA_IDIOMA
  --help                           mostra esta ajuda
  --version                        mostra a versão
</source>
        <translation>Usage: norvika-importa INPUT --saida PATTERNS.txt [options]
Reads a table (CSV, TSV, text in columns, SOM_PAK .dat, ARFF or a .xlsx or .ods
spreadsheet) and writes a Norvika pattern file (or a SOM_PAK .dat, when the output
ends in .dat).
Without the options, the separator, the decimal mark and the header are detected.

  --saida FILE                     the pattern file to write
  --separador &apos;;&apos;|&apos;,&apos;|tab|espacos  the column separator (espacos: spaces)
  --decimal virgula|ponto          the numbers&apos; decimal mark (comma or point)
  --cabecalho sim|nao              whether the first line has the column names
                                   (yes or no)
  --planilha NAME|N                the sheet of a .xlsx or .ods (the first by
                                   default)
  --rotulo COLUMN|nenhum           the label column (name or number from 1), or
                                   none
  --ignorar COL,COL                columns to leave out (names or numbers)
  --ausentes descartar|media       missing values: drop the line (default) or
                                   fill in the column&apos;s mean
  --normalizar nenhuma|minmax|z    scaling of each attribute: none (default), to
                                   [0, 1], or z-score (sample standard deviation)
  --idioma pt|en                   the language of the messages (Portuguese or
                                   English); also NORVIKA_IDIOMA
  --help                           shows this help
  --version                        shows the version
</translation>
    </message>
    <message>
        <source>falta o valor de %1</source>
        <translation>missing the value of %1</translation>
    </message>
    <message>
        <source>valor inválido para %1: &quot;%2&quot; (use %3)</source>
        <translation>invalid value for %1: &quot;%2&quot; (use %3)</translation>
    </message>
    <message>
        <source>&apos;;&apos;, &apos;,&apos;, tab ou espacos</source>
        <translation>&apos;;&apos;, &apos;,&apos;, tab or espacos</translation>
    </message>
    <message>
        <source>virgula ou ponto</source>
        <translation>virgula or ponto</translation>
    </message>
    <message>
        <source>sim ou nao</source>
        <translation>sim or nao</translation>
    </message>
    <message>
        <source>descartar ou media</source>
        <translation>descartar or media</translation>
    </message>
    <message>
        <source>nenhuma, minmax ou z</source>
        <translation>nenhuma, minmax or z</translation>
    </message>
    <message>
        <source>opção desconhecida: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>argumento a mais: %1</source>
        <translation>one argument too many: %1</translation>
    </message>
    <message>
        <source>falta o arquivo de entrada (veja --help)</source>
        <translation>missing the input file (see --help)</translation>
    </message>
    <message>
        <source>falta --saida PADROES.txt</source>
        <translation>missing --saida PATTERNS.txt</translation>
    </message>
    <message>
        <source>entrada</source>
        <translation>input</translation>
    </message>
    <message>
        <source>não foi possível gravar --saida &quot;%1&quot;: %2</source>
        <translation>could not write --saida &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Gravado: %1
</source>
        <translation>Written: %1
</translation>
    </message>
</context>
<context>
    <name>NorvikaLab</name>
    <message>
        <source>%1: &quot;%2&quot; não é um número.</source>
        <translation>%1: &quot;%2&quot; is not a number.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; não é um número inteiro.</source>
        <translation>%1: &quot;%2&quot; is not a whole number.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; não é uma das escolhas (%3).</source>
        <translation>%1: &quot;%2&quot; is not one of the choices (%3).</translation>
    </message>
    <message>
        <source>%1 precisa de um valor.</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>--mapa: use LINHASxCOLUNAS, por exemplo 8x10.</source>
        <translation>--mapa: use ROWSxCOLUMNS, for example 8x10.</translation>
    </message>
    <message>
        <source>--semente: &quot;%1&quot; não é um inteiro de 0 a 18446744073709551615.</source>
        <translation>--semente: &quot;%1&quot; is not a whole number from 0 to 18446744073709551615.</translation>
    </message>
    <message>
        <source>Opção desconhecida: %1 (veja --help).</source>
        <translation>Unknown option: %1 (see --help).</translation>
    </message>
    <message>
        <source>Mais de um arquivo de dados: %1.</source>
        <translation>More than one data file: %1.</translation>
    </message>
    <message>
        <source>Falta o arquivo de dados (veja --help).</source>
        <translation>Missing the data file (see --help).</translation>
    </message>
    <message>
        <source>Falta --mapa LINHASxCOLUNAS.</source>
        <translation>Missing --mapa ROWSxCOLUMNS.</translation>
    </message>
    <message>
        <source>Falta --epocas E.</source>
        <translation>Missing --epocas E.</translation>
    </message>
    <message>
        <source>não foi possível gravar %1 &quot;%2&quot;: %3</source>
        <translation>could not write %1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>o treino em lote não usa a taxa de aprendizado.</source>
        <translation>batch training does not use the learning rate.</translation>
    </message>
    <message>
        <source>dados</source>
        <translation>data</translation>
    </message>
    <message>
        <source>--rotulo e --ausentes valem para tabelas; %1 é um arquivo de padrões, que já traz o rótulo e não tem valores ausentes.</source>
        <translation>--rotulo and --ausentes apply to tables; %1 is a pattern file, which already carries the label and has no missing values.</translation>
    </message>
    <message>
        <source>O mapa inicial %1 tem %2 x %3 unidades de %4 valores; o treino pede %5 x %6 de %7.</source>
        <translation>The initial map %1 has %2 x %3 units of %4 values; the training asks for %5 x %6 of %7.</translation>
    </message>
    <message>
        <source>O mapa inicial %1 tem valores ausentes.</source>
        <translation>The initial map %1 has missing values.</translation>
    </message>
    <message>
        <source>o treino online apresenta um padrão de cada vez: --threads 2 não o acelera.</source>
        <translation>online training presents one pattern at a time: --threads 2 does not speed it up.</translation>
    </message>
    <message>
        <source>estes dados são pequenos demais para duas threads: usada uma.</source>
        <translation>these data are too small for two threads: one used.</translation>
    </message>
    <message>
        <source>--animacao &quot;%1&quot; deve terminar em .gif ou .webp, ou em / para uma pasta de quadros PNG.</source>
        <translation>--animacao &quot;%1&quot; must end in .gif or .webp, or in / for a folder of PNG frames.</translation>
    </message>
    <message>
        <source>--quadros deve ficar entre 1 e 10000.</source>
        <translation>--quadros must be between 1 and 10000.</translation>
    </message>
    <message>
        <source>--vista: &quot;%1&quot; não é uma das escolhas (%2).</source>
        <translation>--vista: &quot;%1&quot; is not one of the choices (%2).</translation>
    </message>
    <message>
        <source>%1 deve ficar entre 16 e %2.</source>
        <translation>%1 must be between 16 and %2.</translation>
    </message>
    <message>
        <source>--largura × --altura passa de %1 milhões de pixels.</source>
        <translation>--largura × --altura exceeds %1 million pixels.</translation>
    </message>
    <message>
        <source>a vista cores precisa de dados de 3 atributos; estes têm %1.</source>
        <translation>the cores view needs data of 3 attributes; these have %1.</translation>
    </message>
    <message>
        <source>não foi possível criar a pasta &quot;%1&quot;</source>
        <translation>could not create the folder &quot;%1&quot;</translation>
    </message>
    <message>
        <source>os %1 quadros da animação não cabem na memória que o programa se permite usar: peça menos com --quadros.</source>
        <translation>the %1 frames of the animation do not fit in the memory the program allows itself: ask for fewer with --quadros.</translation>
    </message>
    <message>
        <source>Uso: norvika-lab DADOS --mapa LINHASxCOLUNAS --raio INICIAL[:FINAL] --epocas E
                 [opções]
Treina um mapa de Kohonen do laboratório (retangular ou hexagonal, plano ou toroidal,
vizinhança bolha ou gaussiana, treino online ou em lote) e mostra uma medida por linha.
DADOS é um arquivo de padrões do Norvika ou qualquer tabela que a importação lê (CSV,
TSV, .dat do SOM_PAK, ARFF, .xlsx, .ods), com as escolhas padrão da importação.
Os números aceitam vírgula ou ponto decimal.

  --mapa LINHASxCOLUNAS            tamanho do mapa, cada lado de 1 a 100
  --topologia retangular|hexagonal (padrão: hexagonal)
  --toroidal                       o mapa se fecha nas bordas (hexagonal: linhas pares)
  --vizinhanca bolha|gaussiana     (padrão: gaussiana)
  --raio INICIAL[:FINAL]           raio da vizinhança; sem FINAL, vai até 0; sem
                                   --raio, de dois terços das distâncias entre as
                                   unidades até 0 (a escolha do kohonen do R)
  --taxa INICIAL[:FINAL]           taxa de aprendizado do treino online; sem FINAL,
                                   fica constante (padrão: 0,05:0,01)
  --decaimento linear|exponencial  como raio e taxa diminuem (padrão: linear)
  --epocas E                       apresentações de todos os padrões
  --modo online|lote               (padrão: online)
  --ordem arquivo|embaralhada      ordem dos padrões no treino online (padrão:
                                   embaralhada, nova a cada época)
  --inicio aleatorio|amostras|linear|canto|MAPA.cod
                                   pesos iniciais (padrão: amostras)
  --semente N                      semente do sorteio (padrão: 1)
  --threads 0|1|2                  0: o motor escolhe (padrão); o resultado é o mesmo;
                                   o treino online usa uma só
  --rotulo COLUNA|nenhum           a coluna de rótulos de uma tabela (nome ou número)
  --ausentes descartar|media|manter
                                   valores ausentes de uma tabela: descarta a linha,
                                   usa a média da coluna ou os mantém (padrão:
                                   descartar; manter num .dat do SOM_PAK)
  --saida MAPA.cod                 grava o mapa no formato do SOM_PAK
  --vencedores ARQUIVO.csv         grava o vencedor e a distância de cada padrão
  --salvar-inicio MAPA.cod         grava o mapa antes do treino, para dar a outro
                                   programa o mesmo começo
  --sugerir                        mostra as opções que o botão Sugerir da janela
                                   escolheria para estes dados e sai (dispensa --mapa,
                                   --raio e --epocas)
  --animacao ARQ.gif|ARQ.webp|PASTA/
                                   grava a reprise do treino: um quadro por época (ou
                                   --quadros), com a época e os erros; numa PASTA/, cada
                                   quadro como um PNG
  --quadros N                      N quadros escolhidos por igual, do início ao fim
  --vista rotulos|acertos|matriz-u|planos|cores|espaco|amostras|agrupamentos|
          erro-unidade|propriedade=COLUNA
                                   a vista da animação (padrão: espaco com 2 atributos,
                                   senão matriz-u); propriedade, a média de uma coluna
                                   (nome ou número de 1) por unidade
  --agrupamentos K                 as fronteiras de K grupos de unidades (de 2 a 20)
                                   sobre a vista da animação
  --largura PX, --altura PX        o tamanho da animação (padrão: 800 x 600)
  --busca escalar|avx2|avx512      o núcleo da busca (padrão: o melhor do processador)
  --idioma pt|en                   o idioma das mensagens (português ou inglês),
                                   também NORVIKA_IDIOMA; as linhas NOME=valor não
                                   mudam
  --help                           mostra esta ajuda
  --version                        mostra a versão

Saída: motor=, threads=, padroes=, ignorados=, leitura_s=, treino_s=,
erro_quantizacao=, erro_topografico= e pesos_fnv= (hash FNV-1a dos pesos); sem --raio,
raio_inicial=, o raio escolhido; num anel
(mapa 1xN toroidal), percurso_anel= e percurso_vizinho_mais_proximo=, os comprimentos
do percurso do caixeiro-viajante que o anel dá e do percurso do vizinho mais próximo.

Distâncias na grade: na retangular, a euclidiana entre as posições das unidades (o
kohonen do R usa a maior diferença de coordenadas); na hexagonal, as linhas ímpares
(contando de 0) ficam meia unidade à direita, como no SOM_PAK (o kohonen desloca a
primeira).
</source>
        <translation>Usage: norvika-lab DATA --mapa ROWSxCOLUMNS --raio INITIAL[:FINAL] --epocas E
                 [options]
Trains a laboratory Kohonen map (rectangular or hexagonal, flat or toroidal, bubble
or Gaussian neighbourhood, online or batch training) and shows one measure per line.
DATA is a Norvika pattern file or any table the import reads (CSV, TSV, SOM_PAK
.dat, ARFF, .xlsx, .ods), with the import&apos;s default choices.
Numbers accept a decimal comma or point.

  --mapa ROWSxCOLUMNS              the map&apos;s size, each side from 1 to 100
  --topologia retangular|hexagonal (default: hexagonal)
  --toroidal                       the map wraps around at its edges (hexagonal:
                                   an even number of rows)
  --vizinhanca bolha|gaussiana     bubble or Gaussian (default: gaussiana)
  --raio INITIAL[:FINAL]           the neighbourhood radius; without FINAL, down to
                                   0; without --raio, from two thirds of the
                                   distances between the units down to 0 (R&apos;s
                                   kohonen choice)
  --taxa INITIAL[:FINAL]           the learning rate of online training; without
                                   FINAL, constant (default: 0,05:0,01)
  --decaimento linear|exponencial  how radius and rate decrease (default: linear)
  --epocas E                       presentations of all the patterns
  --modo online|lote               online or batch (default: online)
  --ordem arquivo|embaralhada      the patterns&apos; order in online training, the
                                   file&apos;s or shuffled (default: embaralhada, anew
                                   every epoch)
  --inicio aleatorio|amostras|linear|canto|MAP.cod
                                   initial weights: random, samples, linear, corner
                                   or a map (default: amostras)
  --semente N                      the random seed (default: 1)
  --threads 0|1|2                  0: the engine chooses (default); the result is
                                   the same; online training uses only one
  --rotulo COLUMN|nenhum           a table&apos;s label column (name or number), or none
  --ausentes descartar|media|manter
                                   a table&apos;s missing values: drop the line, use the
                                   column&apos;s mean or keep them (default: descartar;
                                   manter in a SOM_PAK .dat)
  --saida MAP.cod                  writes the map in SOM_PAK format
  --vencedores FILE.csv            writes each pattern&apos;s winner and distance
  --salvar-inicio MAP.cod          writes the map before training, to give another
                                   program the same start
  --sugerir                        shows the options the window&apos;s Suggest button
                                   would choose for these data and exits (needs no
                                   --mapa, --raio or --epocas)
  --animacao FILE.gif|FILE.webp|FOLDER/
                                   writes the training&apos;s replay: one frame per epoch
                                   (or --quadros), with the epoch and the errors; in a
                                   FOLDER/, each frame as a PNG
  --quadros N                      N frames chosen evenly, from the start to the end
  --vista rotulos|acertos|matriz-u|planos|cores|espaco|amostras|agrupamentos|
          erro-unidade|propriedade=COLUNA
                                   the animation&apos;s view (default: espaco with 2
                                   attributes, otherwise matriz-u); propriedade, the
                                   mean of a column (name or number from 1) per unit
  --agrupamentos K                 the borders of K clusters of units (2 to 20) over
                                   the animation&apos;s view
  --largura PX, --altura PX        the animation&apos;s size (default: 800 x 600)
  --busca escalar|avx2|avx512      the search kernel (default: the processor&apos;s best)
  --idioma pt|en                   the language of the messages (Portuguese or
                                   English); also NORVIKA_IDIOMA; the NAME=value
                                   lines do not change
  --help                           shows this help
  --version                        shows the version

Output: motor=, threads=, padroes=, ignorados=, leitura_s=, treino_s=,
erro_quantizacao=, erro_topografico= and pesos_fnv= (FNV-1a hash of the weights);
without --raio, raio_inicial=, the radius chosen; on a ring
(1xN toroidal map), percurso_anel= and percurso_vizinho_mais_proximo=, the lengths
of the travelling-salesman tour the ring gives and of the nearest-neighbour tour.

Distances on the grid: on the rectangular one, the Euclidean distance between the
units&apos; positions (R&apos;s kohonen uses the largest coordinate difference); on the
hexagonal one, the odd rows (counting from 0) sit half a unit to the right, as in
SOM_PAK (kohonen shifts the first).
</translation>
    </message>
    <message>
        <source>--agrupamentos deve ficar entre 2 e %1.</source>
        <translation>--agrupamentos must be between 2 and %1.</translation>
    </message>
    <message>
        <source>--sinais deve ser ao menos 1.</source>
        <translation>--sinais must be at least 1.</translation>
    </message>
    <message>
        <source>--unidades deve ser ao menos 1.</source>
        <translation>--unidades must be at least 1.</translation>
    </message>
    <message>
        <source>%1 vale para os modelos de aprendizado competitivo: escolha um com --modelo.</source>
        <translation>%1 applies to the competitive-learning models: choose one with --modelo.</translation>
    </message>
    <message>
        <source>%1 não vale para --modelo %2.</source>
        <translation>%1 does not apply to --modelo %2.</translation>
    </message>
    <message>
        <source>--inicio: os modelos de aprendizado competitivo começam de padrões sorteados (amostras) ou das unidades de um arquivo.</source>
        <translation>--inicio: the competitive-learning models start from drawn patterns (amostras) or from the units of a file.</translation>
    </message>
    <message>
        <source>Falta --epocas E ou --sinais T.</source>
        <translation>--epocas E or --sinais T is missing.</translation>
    </message>
    <message>
        <source>--inicio &quot;%1&quot;: %2</source>
        <translation>--inicio &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>As unidades de %1 têm %2 valores; os dados têm %3.</source>
        <translation>The units of %1 have %2 values; the data have %3.</translation>
    </message>
    <message>
        <source>--unidades e --inicio ARQUIVO não combinam: as unidades são as do arquivo.</source>
        <translation>--unidades and --inicio FILE do not go together: the units are the file&apos;s.</translation>
    </message>
    <message>
        <source>o modelo %1 começa com %2 unidades: as %2 primeiras de %3 são usadas, as outras ficam de fora.</source>
        <translation>the model %1 starts with %2 units: the first %2 of %3 are used, the others are left out.</translation>
    </message>
    <message>
        <source>Modelos de aprendizado competitivo (--modelo; sem ele, o SOM acima):
  --modelo hcl     aprendizado competitivo duro (k-médias online): --eps, --unidades
  --modelo lbg     Linde-Buzo-Gray (k-médias em lote): --unidades, --epocas; para
                   antes na primeira época em que nenhum padrão troca de unidade
  --modelo ng      gás neural: --eps, --lambda INICIAL[:FINAL], --unidades
  --modelo ngchl   gás neural com arestas de Hebb: também --idade INICIAL[:FINAL]
  --modelo chl     só as arestas de Hebb, sem mover as unidades: --unidades
  --modelo gng     gás neural crescente: --eps-b, --eps-n, --lambda N, --idade-max,
                   --alfa, --beta, --unidades-max
  --modelo gngu    o mesmo com utilidade, para distribuições que se movem: também --k
  --modelo gg      grid crescente: --eps0, --sigma, --lambda N, --unidades-max, e o
                   ajuste fino --eps INICIAL[:FINAL] por --epocas-ajuste (padrão: 10)
  --epocas E | --sinais T          T sinais, um padrão cada (padrão: E x padrões);
                                   o gg não os usa
  --unidades K                     unidades iniciais, padrões distintos sorteados
                                   (padrão: 20; gng e gngu começam com 2, gg com 4)
  --inicio ARQUIVO                 as unidades iniciais, como --saida as grava ou num
                                   .cod do SOM_PAK
  --saida ARQUIVO                  as unidades: a dimensão na primeira linha, depois
                                   uma unidade por linha; o gg grava um .cod
  --grafo ARQ.graphml              as unidades e as arestas em GraphML (networkx,
                                   igraph, Gephi)
Padrões: --eps 0,5:0,005 (gg: 0,1:0,005), --lambda 10:0,01 (ng) ou 300 (gng) ou 30
(gg), --idade 20:200, --eps-b 0,05, --eps-n 0,0006, --idade-max 88, --alfa 0,5,
--beta 0,0005, --k 3, --unidades-max 100, --sigma 0,7, --eps0 0,005; as agendas são
exponenciais. Saída, além das do SOM: modelo=, unidades=, arestas=, sinais=,
sinais_por_s= e, no lbg, epocas_feitas=; no gg, grade=.
</source>
        <translation>Competitive-learning models (--modelo; without it, the SOM above):
  --modelo hcl     hard competitive learning (online k-means): --eps, --unidades
  --modelo lbg     Linde-Buzo-Gray (batch k-means): --unidades, --epocas; stops
                   earlier at the first epoch in which no pattern changes unit
  --modelo ng      neural gas: --eps, --lambda START[:END], --unidades
  --modelo ngchl   neural gas with Hebbian edges: also --idade START[:END]
  --modelo chl     the Hebbian edges alone, the units never moving: --unidades
  --modelo gng     growing neural gas: --eps-b, --eps-n, --lambda N, --idade-max,
                   --alfa, --beta, --unidades-max
  --modelo gngu    the same with utility, for distributions that move: also --k
  --modelo gg      growing grid: --eps0, --sigma, --lambda N, --unidades-max, and the
                   fine-tuning --eps START[:END] over --epocas-ajuste (default: 10)
  --epocas E | --sinais T          T signals, one pattern each (default: E x patterns);
                                   gg uses neither
  --unidades K                     starting units, distinct patterns drawn
                                   (default: 20; gng and gngu start with 2, gg with 4)
  --inicio FILE                    the starting units, as --saida writes them or in a
                                   SOM_PAK .cod
  --saida FILE                     the units: the dimension on the first line, then
                                   one unit a line; gg writes a .cod
  --grafo FILE.graphml             the units and the edges as GraphML (networkx,
                                   igraph, Gephi)
Defaults: --eps 0,5:0,005 (gg: 0,1:0,005), --lambda 10:0,01 (ng) or 300 (gng) or 30
(gg), --idade 20:200, --eps-b 0,05, --eps-n 0,0006, --idade-max 88, --alfa 0,5,
--beta 0,0005, --k 3, --unidades-max 100, --sigma 0,7, --eps0 0,005; the schedules are
exponential. Output, besides the SOM&apos;s: modelo=, unidades=, arestas=, sinais=,
sinais_por_s= and, for lbg, epocas_feitas=; for gg, grade=.
</translation>
    </message>
    <message>
        <source>--inicio &quot;%1&quot; não tem unidades.</source>
        <translation>--inicio &quot;%1&quot; has no units.</translation>
    </message>
</context>
<context>
    <name>TAjustesLab</name>
    <message>
        <source>Linhas</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Colunas</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>Topologia</source>
        <translation>Topology</translation>
    </message>
    <message>
        <source>Retangular</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <source>Hexagonal</source>
        <translation>Hexagonal</translation>
    </message>
    <message>
        <source>Toroidal</source>
        <translation>Toroidal</translation>
    </message>
    <message>
        <source>não</source>
        <translation>no</translation>
    </message>
    <message>
        <source>sim</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>Modo</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Lote</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>Vizinhança</source>
        <translation>Neighborhood</translation>
    </message>
    <message>
        <source>Bolha</source>
        <translation>Bubble</translation>
    </message>
    <message>
        <source>Gaussiana</source>
        <translation>Gaussian</translation>
    </message>
    <message>
        <source>Raio inicial</source>
        <translation>Initial radius</translation>
    </message>
    <message>
        <source>Raio final</source>
        <translation>Final radius</translation>
    </message>
    <message>
        <source>Taxa inicial</source>
        <translation>Initial rate</translation>
    </message>
    <message>
        <source>Taxa final</source>
        <translation>Final rate</translation>
    </message>
    <message>
        <source>Decaimento</source>
        <translation>Decay</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Exponencial</source>
        <translation>Exponential</translation>
    </message>
    <message>
        <source>Épocas</source>
        <translation>Epochs</translation>
    </message>
    <message>
        <source>Ordem</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Arquivo</source>
        <translation>File order</translation>
    </message>
    <message>
        <source>Embaralhada</source>
        <translation>Shuffled</translation>
    </message>
    <message>
        <source>Início</source>
        <translation>Initialization</translation>
    </message>
    <message>
        <source>Aleatório</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>Amostras</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>Canto</source>
        <translation>Corner</translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Semente</source>
        <translation>Seed</translation>
    </message>
</context>
<context>
    <name>TFormComparacao</name>
    <message>
        <source>Vista:</source>
        <translation>View:</translation>
    </message>
    <message>
        <source>Mesma escala</source>
        <translation>Same scale</translation>
    </message>
    <message>
        <source>Marcada, os dois mapas usam uma só escala de cores (a união das faixas) e podem ser comparados cor a cor; desmarcada, cada mapa usa a sua, e uma borda fraca num mapa não é apagada pela faixa larga do outro.</source>
        <translation>When checked, both maps use a single color scale (the union of the ranges) and can be compared color by color; when unchecked, each map uses its own, and a faint border in one map is not washed out by the wide range of the other.</translation>
    </message>
    <message>
        <source>Exportar imagem…</source>
        <translation>Export image…</translation>
    </message>
    <message>
        <source>Comparação — %1 × %2</source>
        <translation>Comparison — %1 × %2</translation>
    </message>
    <message>
        <source>a imagem</source>
        <translation>the picture</translation>
    </message>
    <message>
        <source>Erro de quantização</source>
        <translation>Quantization error</translation>
    </message>
    <message>
        <source>Erro topográfico</source>
        <translation>Topographic error</translation>
    </message>
    <message>
        <source>Tempo (s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>O atributo cuja média sobre os padrões de cada unidade a vista Propriedade mostra, nos dois mapas.</source>
        <translation>The attribute whose mean over each unit&apos;s patterns the Property view shows, in both maps.</translation>
    </message>
    <message>
        <source>Mostrar grupos</source>
        <translation>Show clusters</translation>
    </message>
    <message>
        <source>Traça as fronteiras entre os grupos de unidades sobre as outras vistas dos dois mapas.</source>
        <translation>Draws the borders between the clusters of units over the other views of both maps.</translation>
    </message>
    <message>
        <source>Em quantos grupos as unidades de cada mapa são reunidas (agrupamento de Ward entre unidades vizinhas); o mesmo número nos dois, para compará-los. Começa no número sugerido para o primeiro mapa.</source>
        <translation>How many clusters each map&apos;s units are joined into (Ward clustering between neighbouring units); the same number in both, to compare them. It starts at the number suggested for the first map.</translation>
    </message>
    <message>
        <source>Grupos: </source>
        <translation>Clusters: </translation>
    </message>
</context>
<context>
    <name>TFormExplorador</name>
    <message>
        <source>Explorador do mapa</source>
        <translation>Map explorer</translation>
    </message>
    <message>
        <source>Vista:</source>
        <translation>View:</translation>
    </message>
    <message>
        <source>Linha 1 embaixo</source>
        <translation>Row 1 at the bottom</translation>
    </message>
    <message>
        <source>Desenha a linha 1 do mapa embaixo, como o pacote kohonen do R; desmarcada, a linha 1 fica em cima.</source>
        <translation>Draws row 1 of the map at the bottom, like the R kohonen package; when unchecked, row 1 is at the top.</translation>
    </message>
    <message>
        <source>Treinar passo a passo</source>
        <translation>Train step by step</translation>
    </message>
    <message>
        <source>Mesma escala em todos os planos</source>
        <translation>Same scale on all planes</translation>
    </message>
    <message>
        <source>Exportar imagem…</source>
        <translation>Export image…</translation>
    </message>
    <message>
        <source>Exportar dados…</source>
        <translation>Export data…</translation>
    </message>
    <message>
        <source>Neurônio selecionado</source>
        <translation>Selected neuron</translation>
    </message>
    <message>
        <source>Erros do mapa atual</source>
        <translation>Errors of the current map</translation>
    </message>
    <message>
        <source>Legenda na imagem exportada</source>
        <translation>Caption on the exported image</translation>
    </message>
    <message>
        <source>Escreve abaixo da imagem o arquivo, o tamanho do mapa, a vizinhança, o raio, os ciclos, a semente e os erros</source>
        <translation>Writes below the image the file, the map size, the neighborhood, the radius, the cycles, the seed and the errors</translation>
    </message>
    <message>
        <source>Ciclo</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Clique num neurônio do mapa para ver seus pesos e rótulos.</source>
        <translation>Click a neuron of the map to see its weights and labels.</translation>
    </message>
    <message>
        <source>Quantização: %1</source>
        <translation>Quantization: %1</translation>
    </message>
    <message>
        <source>Topográfico: %1</source>
        <translation>Topographic: %1</translation>
    </message>
    <message>
        <source>Quantização: –</source>
        <translation>Quantization: –</translation>
    </message>
    <message>
        <source>Topográfico: –</source>
        <translation>Topographic: –</translation>
    </message>
    <message>
        <source>Semente dos pesos iniciais: %1</source>
        <translation>Seed of the initial weights: %1</translation>
    </message>
    <message>
        <source>%1 linha além das %2 anunciadas no cabeçalho foi ignorada.</source>
        <translation>%1 row beyond the %2 announced in the header was ignored.</translation>
    </message>
    <message>
        <source>%1 linhas além das %2 anunciadas no cabeçalho foram ignoradas.</source>
        <translation>%1 rows beyond the %2 announced in the header were ignored.</translation>
    </message>
    <message>
        <source>a imagem</source>
        <translation>the image</translation>
    </message>
    <message>
        <source>os dados</source>
        <translation>the data</translation>
    </message>
    <message>
        <source>O atributo cuja média sobre os padrões de cada unidade a vista Propriedade mostra.</source>
        <translation>The attribute whose mean over each unit&apos;s patterns the Property view shows.</translation>
    </message>
    <message>
        <source>Mostrar grupos</source>
        <translation>Show clusters</translation>
    </message>
    <message>
        <source>Traça as fronteiras entre os grupos de unidades sobre as outras vistas.</source>
        <translation>Draws the borders between the clusters of units over the other views.</translation>
    </message>
    <message>
        <source>Em quantos grupos as unidades são reunidas (agrupamento de Ward entre unidades vizinhas); cada mapa novo começa no número sugerido.</source>
        <translation>How many clusters the units are gathered into (Ward&apos;s clustering of neighboring units); each new map starts at the suggested number.</translation>
    </message>
    <message>
        <source>Grupos: </source>
        <translation>Clusters: </translation>
    </message>
</context>
<context>
    <name>TFormImportar</name>
    <message>
        <source>Importar dados</source>
        <translation>Import data</translation>
    </message>
    <message>
        <source>Leitura</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>&amp;Separador:</source>
        <translation>&amp;Separator:</translation>
    </message>
    <message>
        <source>&amp;Marca decimal:</source>
        <translation>&amp;Decimal mark:</translation>
    </message>
    <message>
        <source>P&amp;lanilha:</source>
        <translation>S&amp;heet:</translation>
    </message>
    <message>
        <source>A primeira linha tem os &amp;nomes das colunas</source>
        <translation>The first row has the column &amp;names</translation>
    </message>
    <message>
        <source>Valores</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>&amp;Valores ausentes:</source>
        <translation>&amp;Missing values:</translation>
    </message>
    <message>
        <source>Descartar a linha</source>
        <translation>Discard the row</translation>
    </message>
    <message>
        <source>Preencher com a média da coluna</source>
        <translation>Fill with the column mean</translation>
    </message>
    <message>
        <source>N&amp;ormalização:</source>
        <translation>N&amp;ormalization:</translation>
    </message>
    <message>
        <source>Nenhuma</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Mínimo e máximo para [0, 1]</source>
        <translation>Minimum and maximum to [0, 1]</translation>
    </message>
    <message>
        <source>Escore z (média 0, desvio-padrão 1)</source>
        <translation>z-score (mean 0, standard deviation 1)</translation>
    </message>
    <message>
        <source>&amp;Colunas da tabela (escolha o papel de cada uma):</source>
        <translation>Table &amp;columns (choose the role of each one):</translation>
    </message>
    <message>
        <source>&amp;Prévia dos padrões como serão gravados:</source>
        <translation>&amp;Preview of the patterns as they will be saved:</translation>
    </message>
    <message>
        <source>Abrir no &amp;laboratório</source>
        <translation>Open in the &amp;laboratory</translation>
    </message>
    <message>
        <source>Lê a tabela inteira com estas escolhas e a abre no laboratório, sem gravar um arquivo de padrões.</source>
        <translation>Reads the whole table with these choices and opens it in the laboratory, without saving a pattern file.</translation>
    </message>
    <message>
        <source>&amp;Importar</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Atributo</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Rótulo</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Ignorada</source>
        <translation>Ignored</translation>
    </message>
    <message>
        <source>ponto e vírgula</source>
        <translation>semicolon</translation>
    </message>
    <message>
        <source>vírgula</source>
        <translation>comma</translation>
    </message>
    <message>
        <source>tabulação</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>espaços</source>
        <translation>spaces</translation>
    </message>
    <message>
        <source>Tabela: %1</source>
        <translation>Table: %1</translation>
    </message>
    <message>
        <source>Automático</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Ponto e vírgula (;)</source>
        <translation>Semicolon (;)</translation>
    </message>
    <message>
        <source>Vírgula (,)</source>
        <translation>Comma (,)</translation>
    </message>
    <message>
        <source>Tabulação</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Espaços</source>
        <translation>Spaces</translation>
    </message>
    <message>
        <source>Automática</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Ponto (.)</source>
        <translation>Period (.)</translation>
    </message>
    <message>
        <source>Coluna</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Papel</source>
        <translation>Role</translation>
    </message>
    <message>
        <source>Ausentes</source>
        <translation>Missing</translation>
    </message>
    <message>
        <source>Importando</source>
        <translation>Importing</translation>
    </message>
    <message>
        <source>Lendo as planilhas</source>
        <translation>Reading the sheets</translation>
    </message>
    <message>
        <source>Gravando o arquivo de padrões</source>
        <translation>Writing the pattern file</translation>
    </message>
    <message>
        <source>A leitura foi interrompida: nada foi gravado.</source>
        <translation>The reading was interrupted: nothing was saved.</translation>
    </message>
    <message>
        <source>Não foi possível gravar &quot;%1&quot;: %2</source>
        <translation>Could not save &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Lendo a tabela</source>
        <translation>Reading the table</translation>
    </message>
    <message>
        <source>Automático (%1)</source>
        <translation>Automatic (%1)</translation>
    </message>
    <message>
        <source>Automática (%1)</source>
        <translation>Automatic (%1)</translation>
    </message>
    <message>
        <source>ponto</source>
        <translation>period</translation>
    </message>
    <message>
        <source>Prévia das primeiras %1 linhas de uma tabela grande: ela é lida inteira ao importar.</source>
        <translation>Preview of the first %1 rows of a large table: it is read whole when imported.</translation>
    </message>
    <message>
        <source>número</source>
        <translation>number</translation>
    </message>
    <message>
        <source>texto</source>
        <translation>text</translation>
    </message>
    <message>
        <source>Escolha outro arquivo: este é a própria tabela que está sendo importada.</source>
        <translation>Choose another file: this is the very table being imported.</translation>
    </message>
    <message>
        <source>Lendo a tabela inteira</source>
        <translation>Reading the whole table</translation>
    </message>
</context>
<context>
    <name>TFormInformacoes</name>
    <message>
        <source>Informações do Neurônio</source>
        <translation>Neuron Information</translation>
    </message>
    <message>
        <source>Neuronio: </source>
        <translation>Neuron: </translation>
    </message>
    <message>
        <source>Pesos:</source>
        <translation>Weights:</translation>
    </message>
    <message>
        <source>Padrões Aglutinados:</source>
        <translation>Clustered Patterns:</translation>
    </message>
</context>
<context>
    <name>TFormLaboratorio</name>
    <message>
        <source>Laboratório — Norvika</source>
        <translation>Laboratory — Norvika</translation>
    </message>
    <message>
        <source>A&amp;brir…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>Abre um arquivo de padrões do Norvika ou uma tabela (CSV, TSV, .dat do SOM_PAK, ARFF, .xlsx, .ods), que passa pela janela de importação.</source>
        <translation>Opens a Norvika pattern file or a table (CSV, TSV, SOM_PAK .dat, ARFF, .xlsx, .ods), which goes through the import window.</translation>
    </message>
    <message>
        <source>Dados</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Nenhum arquivo aberto.</source>
        <translation>No file open.</translation>
    </message>
    <message>
        <source>Ou gere dados de demonstração:</source>
        <translation>Or generate demo data:</translation>
    </message>
    <message>
        <source>Dados sintéticos das aulas de SOM: um quadrado, um disco ou um anel de pontos para ver o mapa se desdobrar, duas luas, um cubo de cores, nuvens gaussianas, uma espiral ou cidades para o caixeiro-viajante. A semente é a do treino.</source>
        <translation>Synthetic data from SOM lessons: a square, a disk or a ring of points to watch the map unfold, two moons, a color cube, Gaussian clouds, a spiral, or cities for the traveling salesman. The seed is the training seed.</translation>
    </message>
    <message>
        <source>&amp;Gerar</source>
        <translation>&amp;Generate</translation>
    </message>
    <message>
        <source>Grava os dados escolhidos num arquivo de padrões comum (na pasta de demonstrações do Norvika) e os abre aqui.</source>
        <translation>Saves the chosen data to an ordinary pattern file (in Norvika&apos;s demo folder) and opens it here.</translation>
    </message>
    <message>
        <source> padrões</source>
        <translation> patterns</translation>
    </message>
    <message>
        <source>Quantos padrões gerar (de 1 a 100.000).</source>
        <translation>How many patterns to generate (1 to 100,000).</translation>
    </message>
    <message>
        <source> dimensões</source>
        <translation> dimensions</translation>
    </message>
    <message>
        <source>Quantos valores cada padrão tem (nuvens gaussianas e traços). Com 2, a rede aparece no próprio plano dos dados.</source>
        <translation>How many values each pattern has (Gaussian clouds and strokes). With 2, the net appears in the data plane itself.</translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>&amp;Linhas:</source>
        <translation>&amp;Rows:</translation>
    </message>
    <message>
        <source>Quantas linhas de unidades o mapa tem (de 1 a 100). Mais unidades mostram mais detalhes, mas cada uma ganha menos padrões.</source>
        <translation>How many rows of units the map has (1 to 100). More units show more detail, but each one gets fewer patterns.</translation>
    </message>
    <message>
        <source>&amp;Colunas:</source>
        <translation>&amp;Columns:</translation>
    </message>
    <message>
        <source>Quantas colunas de unidades o mapa tem (de 1 a 100). Um mapa mais largo que alto acompanha melhor dados alongados.</source>
        <translation>How many columns of units the map has (1 to 100). A map wider than it is tall follows elongated data better.</translation>
    </message>
    <message>
        <source>&amp;Topologia:</source>
        <translation>&amp;Topology:</translation>
    </message>
    <message>
        <source>Retangular: cada unidade tem 4 vizinhas. Hexagonal: 6 vizinhas à mesma distância, o que dá mapas sem direções preferidas (o mais usado nos livros).</source>
        <translation>Rectangular: each unit has 4 neighbors. Hexagonal: 6 neighbors at the same distance, which gives maps with no preferred directions (the most common choice in textbooks).</translation>
    </message>
    <message>
        <source>Retangular</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <source>Hexagonal</source>
        <translation>Hexagonal</translation>
    </message>
    <message>
        <source>T&amp;oroidal (as bordas se encontram)</source>
        <translation>Toroi&amp;dal (edges wrap around)</translation>
    </message>
    <message>
        <source>As bordas opostas do mapa se tornam vizinhas, como num toro: nenhuma unidade fica na borda. O hexagonal toroidal precisa de um número par de linhas.</source>
        <translation>Opposite edges of the map become neighbors, as on a torus: no unit lies on an edge. A toroidal hexagonal map needs an even number of rows.</translation>
    </message>
    <message>
        <source>Treino</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>&amp;Modo:</source>
        <translation>&amp;Mode:</translation>
    </message>
    <message>
        <source>Online: cada padrão puxa o vencedor e as vizinhas, um de cada vez. Lote: a cada época cada unidade vai para a média ponderada dos padrões da sua vizinhança (mais rápido e sem taxa).</source>
        <translation>Online: each pattern pulls the winner and its neighbors, one at a time. Batch: at each epoch every unit moves to the weighted mean of the patterns in its neighborhood (faster, and no learning rate).</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Lote</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>&amp;Vizinhança:</source>
        <translation>&amp;Neighborhood:</translation>
    </message>
    <message>
        <source>Bolha: as unidades até a distância do raio se movem por igual. Gaussiana: quanto mais longe do vencedor, menos a unidade se move; dá mapas mais suaves.</source>
        <translation>Bubble: the units within the radius all move equally. Gaussian: the farther a unit is from the winner, the less it moves; gives smoother maps.</translation>
    </message>
    <message>
        <source>Bolha</source>
        <translation>Bubble</translation>
    </message>
    <message>
        <source>Gaussiana</source>
        <translation>Gaussian</translation>
    </message>
    <message>
        <source>&amp;Raio inicial:</source>
        <translation>&amp;Initial radius:</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>O alcance da vizinhança no começo do treino, em unidades do mapa. Um raio grande no começo ordena o mapa inteiro; metade do lado maior é um bom começo.</source>
        <translation>The reach of the neighborhood at the start of training, in map units. A large radius at the start orders the whole map; half the longer side is a good start.</translation>
    </message>
    <message>
        <source>Raio &amp;final:</source>
        <translation>&amp;Final radius:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>O alcance da vizinhança no fim do treino. Perto de 0 cada unidade se ajusta aos seus padrões (erro de quantização menor); maior, o mapa fica mais ordenado e suave.</source>
        <translation>The reach of the neighborhood at the end of training. Near 0, each unit fits its own patterns (lower quantization error); larger, the map stays more ordered and smooth.</translation>
    </message>
    <message>
        <source>Ta&amp;xa inicial:</source>
        <translation>Initial r&amp;ate:</translation>
    </message>
    <message>
        <source>0,05</source>
        <translation>0,05</translation>
    </message>
    <message>
        <source>Quanto o vencedor se move em direção ao padrão no começo (0 a 1), no treino online. Maior aprende mais rápido e esquece mais rápido.</source>
        <translation>How far the winner moves toward the pattern at the start (0 to 1), in online training. Higher learns faster and forgets faster.</translation>
    </message>
    <message>
        <source>Taxa fi&amp;nal:</source>
        <translation>Fina&amp;l rate:</translation>
    </message>
    <message>
        <source>0,01</source>
        <translation>0,01</translation>
    </message>
    <message>
        <source>Quanto o vencedor se move no fim do treino online; uma taxa pequena no fim estabiliza o mapa.</source>
        <translation>How far the winner moves at the end of online training; a small rate at the end stabilizes the map.</translation>
    </message>
    <message>
        <source>&amp;Decaimento:</source>
        <translation>Deca&amp;y:</translation>
    </message>
    <message>
        <source>Como o raio e a taxa vão do valor inicial ao final: em linha reta, ou caindo depressa no começo e devagar no fim (exponencial; só com valores positivos).</source>
        <translation>How the radius and the rate go from the initial to the final value: in a straight line, or dropping quickly at first and slowly at the end (exponential; positive values only).</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Exponencial</source>
        <translation>Exponential</translation>
    </message>
    <message>
        <source>É&amp;pocas:</source>
        <translation>E&amp;pochs:</translation>
    </message>
    <message>
        <source>Quantas vezes todos os padrões são apresentados ao mapa. Mais épocas dão tempo de o raio encolher devagar.</source>
        <translation>How many times all the patterns are presented to the map. More epochs give the radius time to shrink slowly.</translation>
    </message>
    <message>
        <source>Ord&amp;em:</source>
        <translation>Ord&amp;er:</translation>
    </message>
    <message>
        <source>A ordem dos padrões no treino online: a do arquivo, ou uma nova ordem sorteada a cada época (evita que o fim do arquivo pese mais).</source>
        <translation>The order of the patterns in online training: as in the file, or a new random order at each epoch (keeps the end of the file from weighing more).</translation>
    </message>
    <message>
        <source>Arquivo</source>
        <translation>File order</translation>
    </message>
    <message>
        <source>Embaralhada</source>
        <translation>Shuffled</translation>
    </message>
    <message>
        <source>&amp;Início:</source>
        <translation>Initiali&amp;zation:</translation>
    </message>
    <message>
        <source>Os pesos antes do treino: sorteados no intervalo de cada atributo, padrões sorteados, o plano das duas componentes principais dos dados (o mapa já começa ordenado), ou um canto pequeno do intervalo dos dados, longe deles (para ver o mapa se desdobrar).</source>
        <translation>The weights before training: drawn at random within each attribute&apos;s range, randomly drawn patterns, the plane of the data&apos;s first two principal components (the map starts out already ordered), or a small corner of the data range, far from the data (to watch the map unfold).</translation>
    </message>
    <message>
        <source>Aleatório</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>Amostras</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>Canto</source>
        <translation>Corner</translation>
    </message>
    <message>
        <source>&amp;Semente:</source>
        <translation>&amp;Seed:</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>A semente do sorteio dos pesos iniciais e da ordem: a mesma semente dá o mesmo mapa.</source>
        <translation>The seed for drawing the initial weights and the order: the same seed gives the same map.</translation>
    </message>
    <message>
        <source>Salvar mapa…</source>
        <translation>Save map…</translation>
    </message>
    <message>
        <source>Grava o mapa no formato .cod do SOM_PAK, que o SOM_PAK, a SOM Toolbox e o Norvika leem.</source>
        <translation>Saves the map in SOM_PAK&apos;s .cod format, which SOM_PAK, the SOM Toolbox and Norvika can read.</translation>
    </message>
    <message>
        <source>Abrir mapa…</source>
        <translation>Open map…</translation>
    </message>
    <message>
        <source>Abre um mapa .cod (do Norvika, do SOM_PAK ou da SOM Toolbox) e mostra os padrões atuais nele.</source>
        <translation>Opens a .cod map (from Norvika, SOM_PAK or the SOM Toolbox) and shows the current patterns on it.</translation>
    </message>
    <message>
        <source>Sugerir valores para estes dados</source>
        <translation>Suggest values for this data</translation>
    </message>
    <message>
        <source>Preenche o mapa e o treino com valores que costumam funcionar para estes dados: cerca de 5√N unidades, lados na proporção dos dados, hexagonal, gaussiana, raio da metade do lado maior até 1, em lote.</source>
        <translation>Fills in the map and training settings with values that usually work for this data: about 5√N units, sides in proportion to the data, hexagonal, Gaussian, radius from half the longer side down to 1, batch.</translation>
    </message>
    <message>
        <source>Treinar</source>
        <translation>Train</translation>
    </message>
    <message>
        <source>Treina um mapa novo com estas escolhas (Ctrl+Enter). As vistas acompanham o treino.</source>
        <translation>Trains a new map with these choices (Ctrl+Enter). The views follow the training.</translation>
    </message>
    <message>
        <source>Parar</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Para o treino e mantém o mapa como está (Esc).</source>
        <translation>Stops training and keeps the map as it is (Esc).</translation>
    </message>
    <message>
        <source>Passo</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Apresenta um padrão só (treino online) e mostra o padrão, a unidade vencedora, as unidades dentro do raio e o quanto o vencedor se moveu. O próximo clique apresenta o seguinte.</source>
        <translation>Presents a single pattern (online training) and shows the pattern, the winning unit, the units within the radius and how far the winner moved. The next click presents the next one.</translation>
    </message>
    <message>
        <source>Vist&amp;a:</source>
        <translation>&amp;View:</translation>
    </message>
    <message>
        <source>Linha 1 embaixo</source>
        <translation>Row 1 at the bottom</translation>
    </message>
    <message>
        <source>Desenha a linha 1 do mapa embaixo, como o pacote kohonen do R; desmarcada, a linha 1 fica em cima.</source>
        <translation>Draws row 1 of the map at the bottom, as the R kohonen package does; unchecked, row 1 is at the top.</translation>
    </message>
    <message>
        <source>Mesma escala em todos os planos</source>
        <translation>Same scale on all planes</translation>
    </message>
    <message>
        <source>Exportar imagem…</source>
        <translation>Export image…</translation>
    </message>
    <message>
        <source>Grava a vista atual em PNG ou SVG (pela extensão do nome).</source>
        <translation>Saves the current view as PNG or SVG (chosen by the file name&apos;s extension).</translation>
    </message>
    <message>
        <source>Exportar dados…</source>
        <translation>Export data…</translation>
    </message>
    <message>
        <source>Grava o mapa numa tabela CSV (pesos, acertos e rótulo de cada unidade) ou, com a extensão .cod, no formato do SOM_PAK.</source>
        <translation>Saves the map to a CSV table (weights, hits and label of each unit) or, with the .cod extension, in SOM_PAK format.</translation>
    </message>
    <message>
        <source>Exportar vencedores…</source>
        <translation>Export winners…</translation>
    </message>
    <message>
        <source>Grava numa tabela CSV a unidade vencedora e a distância de cada padrão.</source>
        <translation>Saves each pattern&apos;s winning unit and distance to a CSV table.</translation>
    </message>
    <message>
        <source>Reproduzir</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Reproduz o último treino época por época, do mapa inicial ao final (ou continua de onde a barra está).</source>
        <translation>Replays the last training epoch by epoch, from the initial map to the final one (or continues from where the slider is).</translation>
    </message>
    <message>
        <source>Volta a qualquer época do último treino: as vistas mostram o mapa como estava no fim dela (0: o mapa inicial).</source>
        <translation>Goes back to any epoch of the last training: the views show the map as it was at the end of that epoch (0: the initial map).</translation>
    </message>
    <message>
        <source>Execuções</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>Cada treino vira uma execução, com suas escolhas, os erros, o tempo e uma miniatura do mapa. Clique duas vezes no nome para renomear; selecione duas e clique em Comparar.</source>
        <translation>Each training becomes a run, with its choices, errors, time and a map thumbnail. Double-click the name to rename it; select two and click Compare.</translation>
    </message>
    <message>
        <source>Reabrir</source>
        <translation>Reopen</translation>
    </message>
    <message>
        <source>Traz o mapa e as escolhas da execução selecionada de volta à janela.</source>
        <translation>Brings the map and choices of the selected run back to the window.</translation>
    </message>
    <message>
        <source>Excluir</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Remove as execuções selecionadas da lista.</source>
        <translation>Removes the selected runs from the list.</translation>
    </message>
    <message>
        <source>Salvar .cod…</source>
        <translation>Save .cod…</translation>
    </message>
    <message>
        <source>Grava o mapa da execução selecionada no formato do SOM_PAK.</source>
        <translation>Saves the selected run&apos;s map in SOM_PAK format.</translation>
    </message>
    <message>
        <source>Comparar</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Mostra as duas execuções selecionadas lado a lado, na mesma vista e na mesma escala de cores, com as escolhas que diferem em destaque.</source>
        <translation>Shows the two selected runs side by side, in the same view and on the same color scale, with the differing choices highlighted.</translation>
    </message>
    <message>
        <source>Abrir sessão…</source>
        <translation>Open session…</translation>
    </message>
    <message>
        <source>Abre uma sessão do laboratório gravada (.norvika-lab): os dados, as execuções com seus mapas, curvas e reprises, e as vistas como estavam.</source>
        <translation>Opens a saved laboratory session (.norvika-lab): the data, the runs with their maps, curves and replays, and the views as they were.</translation>
    </message>
    <message>
        <source>Salvar sessão…</source>
        <translation>Save session…</translation>
    </message>
    <message>
        <source>Grava a sessão inteira num arquivo (.norvika-lab): os dados, cada execução com suas escolhas, mapa, curva e reprise, e as vistas. Prepare a aula em casa e abra-a na sala.</source>
        <translation>Saves the whole session to a file (.norvika-lab): the data, each run with its choices, map, curve and replay, and the views. Prepare the lesson at home and open it in class.</translation>
    </message>
    <message>
        <source>Quantização: –   Topográfico: –</source>
        <translation>Quantization: –   Topographic: –</translation>
    </message>
    <message>
        <source>Mapas do SOM_PAK (*.cod)</source>
        <translation>SOM_PAK maps (*.cod)</translation>
    </message>
    <message>
        <source>Todos (*)</source>
        <translation>All (*)</translation>
    </message>
    <message>
        <source>Sessões do laboratório (*.norvika-lab)</source>
        <translation>Laboratory sessions (*.norvika-lab)</translation>
    </message>
    <message>
        <source>Época</source>
        <translation>Epoch</translation>
    </message>
    <message>
        <source>Clique numa unidade do mapa para ver seus pesos, rótulos e padrões.</source>
        <translation>Click a unit of the map to see its weights, labels and patterns.</translation>
    </message>
    <message>
        <source>Escolha o mapa e o treino e clique em Treinar.</source>
        <translation>Choose the map and the training and click Train.</translation>
    </message>
    <message>
        <source>Abra um arquivo de dados e treine um mapa.</source>
        <translation>Open a data file and train a map.</translation>
    </message>
    <message>
        <source>Nenhum mapa ainda.
Abra os dados, escolha o mapa e o treino à esquerda e clique em Treinar (ou em Passo, para ver um padrão de cada vez).</source>
        <translation>No map yet.
Open the data, choose the map and the training on the left and click Train (or Step, to see one pattern at a time).</translation>
    </message>
    <message>
        <source>a imagem</source>
        <translation>the picture</translation>
    </message>
    <message>
        <source>Tabelas (*.csv)</source>
        <translation>Tables (*.csv)</translation>
    </message>
    <message>
        <source>o mapa</source>
        <translation>the map</translation>
    </message>
    <message>
        <source>os vencedores</source>
        <translation>the winners</translation>
    </message>
    <message>
        <source>não há mapa</source>
        <translation>there is no map</translation>
    </message>
    <message>
        <source>o nome deve terminar em .csv</source>
        <translation>the name must end in .csv</translation>
    </message>
    <message>
        <source>nenhuma</source>
        <translation>none</translation>
    </message>
    <message>
        <source>feita na importação (os pesos aparecem também nos valores originais)</source>
        <translation>done on import (the weights are also shown in the original values)</translation>
    </message>
    <message>
        <source>mínimo-máximo</source>
        <translation>min-max</translation>
    </message>
    <message>
        <source>escore z</source>
        <translation>z-score</translation>
    </message>
    <message>
        <source>%1, %2, %3
Normalização: %4</source>
        <translation>%1, %2, %3
Normalization: %4</translation>
    </message>
    <message>
        <source>padrão</source>
        <translation>pattern</translation>
    </message>
    <message>
        <source>padrões</source>
        <translation>patterns</translation>
    </message>
    <message>
        <source>atributo</source>
        <translation>attribute</translation>
    </message>
    <message>
        <source>atributos</source>
        <translation>attributes</translation>
    </message>
    <message>
        <source>rótulo</source>
        <translation>label</translation>
    </message>
    <message>
        <source>rótulos</source>
        <translation>labels</translation>
    </message>
    <message>
        <source>
Valores ausentes: %1</source>
        <translation>
Missing values: %1</translation>
    </message>
    <message>
        <source>Dados abertos: %1</source>
        <translation>Data opened: %1</translation>
    </message>
    <message>
        <source>Tabela importada, na memória: %1</source>
        <translation>Table imported, in memory: %1</translation>
    </message>
    <message>
        <source>Treinando…</source>
        <translation>Training…</translation>
    </message>
    <message>
        <source>Preparando o mapa inicial…</source>
        <translation>Preparing the initial map…</translation>
    </message>
    <message>
        <source>Passo a passo interrompido.</source>
        <translation>Step by step interrupted.</translation>
    </message>
    <message>
        <source>Passo a passo: época %1 de %2, padrão %3.</source>
        <translation>Step by step: epoch %1 of %2, pattern %3.</translation>
    </message>
    <message>
        <source>Parando…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>Treinando: época %1 de %2</source>
        <translation>Training: epoch %1 of %2</translation>
    </message>
    <message>
        <source>Parado na época %1 de %2.</source>
        <translation>Stopped at epoch %1 of %2.</translation>
    </message>
    <message>
        <source>Treino concluído: %1.</source>
        <translation>Training finished: %1.</translation>
    </message>
    <message>
        <source>época</source>
        <translation>epoch</translation>
    </message>
    <message>
        <source>épocas</source>
        <translation>epochs</translation>
    </message>
    <message>
        <source>O treino falhou.</source>
        <translation>The training failed.</translation>
    </message>
    <message>
        <source>Quantização: %1   Topográfico: %2</source>
        <translation>Quantization: %1   Topographic: %2</translation>
    </message>
    <message>
        <source>
Percurso do anel: %1   vizinho mais próximo: %2</source>
        <translation>
Ring tour: %1   nearest neighbor: %2</translation>
    </message>
    <message>
        <source>espere o trabalho em andamento terminar</source>
        <translation>wait for the work in progress to finish</translation>
    </message>
    <message>
        <source>Abrindo o mapa…</source>
        <translation>Opening the map…</translation>
    </message>
    <message>
        <source>Abertura do mapa interrompida: o mapa ficou como estava.</source>
        <translation>Opening of the map interrupted: the map was left as it was.</translation>
    </message>
    <message>
        <source>Mapa aberto: %1</source>
        <translation>Map opened: %1</translation>
    </message>
    <message>
        <source>Mapa aberto: %1 (o arquivo não guarda os ajustes do treino; a grade e o raio inicial são os do mapa)</source>
        <translation>Map opened: %1 (the file does not keep the training settings; the grid and the initial radius are the map&apos;s)</translation>
    </message>
    <message>
        <source>Não foi possível abrir o mapa &quot;%1&quot;: %2</source>
        <translation>Could not open the map &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>As execuções desta sessão não foram salvas. Salvar a sessão antes de sair do Norvika?</source>
        <translation>The runs of this session have not been saved. Save the session before quitting Norvika?</translation>
    </message>
    <message>
        <source>Lendo os dados…</source>
        <translation>Reading the data…</translation>
    </message>
    <message>
        <source>Leitura interrompida: os dados ficaram como estavam.</source>
        <translation>Reading interrupted: the data were left as they were.</translation>
    </message>
    <message>
        <source>Semente: &quot;%1&quot; não é um inteiro não negativo.</source>
        <translation>Seed: &quot;%1&quot; is not a non-negative integer.</translation>
    </message>
    <message>
        <source>Abra um arquivo de dados antes: a sugestão vem deles.</source>
        <translation>Open a data file first: the suggestion comes from the data.</translation>
    </message>
    <message>
        <source>Valores sugeridos para estes dados.</source>
        <translation>Values suggested for these data.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; não é um número.</source>
        <translation>%1: &quot;%2&quot; is not a number.</translation>
    </message>
    <message>
        <source>Não foi possível gravar &quot;%1&quot;: %2</source>
        <translation>Could not write &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Dados gerados em %1</source>
        <translation>Data generated in %1</translation>
    </message>
    <message>
        <source>%1 × %2 %3%4, %5, %6, raio %7 → %8, %9
Quantização %10, topográfico %11, %12 s%13</source>
        <translation>%1 × %2 %3%4, %5, %6, radius %7 → %8, %9
Quantization %10, topographic %11, %12 s%13</translation>
    </message>
    <message>
        <source> toroidal</source>
        <translation> toroidal</translation>
    </message>
    <message>
        <source> (parada)</source>
        <translation> (stopped)</translation>
    </message>
    <message>
        <source>Treinada em %1: não pode ser comparada com execuções de outros dados.
%2</source>
        <translation>Trained on %1: cannot be compared with runs of other data.
%2</translation>
    </message>
    <message>
        <source>Época %1 de %2</source>
        <translation>Epoch %1 of %2</translation>
    </message>
    <message>
        <source>Pausar</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Sessão salva: %1</source>
        <translation>Session saved: %1</translation>
    </message>
    <message>
        <source>Abrindo a sessão…</source>
        <translation>Opening the session…</translation>
    </message>
    <message>
        <source>Abertura da sessão interrompida: a sessão ficou como estava.</source>
        <translation>Opening of the session interrupted: the session was left as it was.</translation>
    </message>
    <message>
        <source>Sessão aberta: %1</source>
        <translation>Session opened: %1</translation>
    </message>
    <message>
        <source>a sessão</source>
        <translation>the session</translation>
    </message>
    <message>
        <source>As execuções desta sessão não foram salvas. Salvar a sessão antes de abrir outra?</source>
        <translation>The runs of this session have not been saved. Save the session before opening another?</translation>
    </message>
    <message>
        <source>Não foi possível abrir a sessão &quot;%1&quot;: %2</source>
        <translation>Could not open the session &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Exportar animação…</source>
        <translation>Export animation…</translation>
    </message>
    <message>
        <source>Grava a reprise do treino como uma animação GIF ou WebP para slides: um quadro por época, na vista mostrada, com a época e os erros.</source>
        <translation>Saves the training&apos;s replay as a GIF or WebP animation for slides: one frame per epoch, in the view shown, with the epoch and the errors.</translation>
    </message>
    <message>
        <source>GIF animado (*.gif)</source>
        <translation>Animated GIF (*.gif)</translation>
    </message>
    <message>
        <source>WebP animado (*.webp)</source>
        <translation>Animated WebP (*.webp)</translation>
    </message>
    <message>
        <source>a animação</source>
        <translation>the animation</translation>
    </message>
    <message>
        <source>não há reprise</source>
        <translation>there is no replay</translation>
    </message>
    <message>
        <source>o nome deve terminar em .gif ou .webp</source>
        <translation>the name must end in .gif or .webp</translation>
    </message>
    <message>
        <source>O que o mapa mostra: rótulos, acertos, matriz-U, planos de componentes, cores, a rede no espaço dos dados, as amostras, os agrupamentos, o erro por unidade, uma propriedade ou a curva de erro.</source>
        <translation>What the map shows: labels, hits, U-matrix, component planes, colors, the net in input space, the samples, the clusters, the error per unit, a property, or the error curve.</translation>
    </message>
    <message>
        <source>O atributo cuja média sobre os padrões de cada unidade a vista Propriedade mostra.</source>
        <translation>The attribute whose mean over each unit&apos;s patterns the Property view shows.</translation>
    </message>
    <message>
        <source>Mostrar grupos</source>
        <translation>Show clusters</translation>
    </message>
    <message>
        <source>Traça as fronteiras entre os grupos de unidades sobre as outras vistas.</source>
        <translation>Draws the borders between the clusters of units over the other views.</translation>
    </message>
    <message>
        <source>Em quantos grupos as unidades são reunidas (agrupamento de Ward entre unidades vizinhas); cada mapa novo começa no número sugerido.</source>
        <translation>How many clusters the units are gathered into (Ward&apos;s clustering of neighboring units); each new map starts at the suggested number.</translation>
    </message>
    <message>
        <source>Grupos: </source>
        <translation>Clusters: </translation>
    </message>
    <message>
        <source>Montando a animação…</source>
        <translation>Building the animation…</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Exportar animação</source>
        <translation>Export animation</translation>
    </message>
    <message>
        <source>Exportação da animação cancelada: nada foi gravado.</source>
        <translation>Animation export cancelled: nothing was written.</translation>
    </message>
</context>
<context>
    <name>TFormLicoes</name>
    <message>
        <source>Lições — Norvika</source>
        <translation>Lessons — Norvika</translation>
    </message>
    <message>
        <source>Perguntas para a turma</source>
        <translation>Questions for the class</translation>
    </message>
    <message>
        <source>Lições no &amp;manual</source>
        <translation>Lessons in the &amp;manual</translation>
    </message>
    <message>
        <source>Grava em PDF a folha desta lição para a turma: o texto, os passos, as perguntas com espaço para responder, as figuras do mapa nas janelas e, na última página, as respostas.</source>
        <translation>Saves to PDF this lesson&apos;s worksheet for the class: the text, the steps, the questions with space to answer, the map figures in the windows and, on the last page, the answers.</translation>
    </message>
    <message>
        <source>&amp;Imprimir folha…</source>
        <translation>&amp;Print worksheet…</translation>
    </message>
    <message>
        <source>Grava em PDF uma folha só com as seis lições, uma depois da outra, e todas as respostas no fim.</source>
        <translation>Saves to PDF a single worksheet with all six lessons, one after another, and all the answers at the end.</translation>
    </message>
    <message>
        <source>Imprimir &amp;todas…</source>
        <translation>Print &amp;all…</translation>
    </message>
    <message>
        <source>As respostas ficam nas últimas páginas da folha; sem elas, a folha é a cópia dos alunos.</source>
        <translation>The answers are on the last pages of the worksheet; without them, the worksheet is the students&apos; copy.</translation>
    </message>
    <message>
        <source>Com as respostas</source>
        <translation>With the answers</translation>
    </message>
    <message>
        <source>Abre os dados da lição e escolhe o mapa e o treino na janela certa; depois é só treinar.</source>
        <translation>Opens the lesson&apos;s data and chooses the map and the training in the right window; then just train.</translation>
    </message>
    <message>
        <source>&amp;Preparar</source>
        <translation>P&amp;repare</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>a folha</source>
        <translation>the worksheet</translation>
    </message>
    <message>
        <source>Esta lição usa a janela clássica e o laboratório.</source>
        <translation>This lesson uses the classic window and the laboratory.</translation>
    </message>
    <message>
        <source>Esta lição usa a janela clássica.</source>
        <translation>This lesson uses the classic window.</translation>
    </message>
    <message>
        <source>Esta lição usa o laboratório.</source>
        <translation>This lesson uses the laboratory.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;%1&lt;/h2&gt;&lt;p&gt;%2&lt;/p&gt;&lt;h3&gt;O que observar&lt;/h3&gt;&lt;p&gt;%3&lt;/p&gt;&lt;p style=&quot;color:#555&quot;&gt;%4&lt;/p&gt;</source>
        <translation>&lt;h2&gt;%1&lt;/h2&gt;&lt;p&gt;%2&lt;/p&gt;&lt;h3&gt;What to look at&lt;/h3&gt;&lt;p&gt;%3&lt;/p&gt;&lt;p style=&quot;color:#555&quot;&gt;%4&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Mostrar resposta</source>
        <translation>Show answer</translation>
    </message>
    <message>
        <source>Esconder</source>
        <translation>Hide</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Norvika</source>
        <translation>Norvika</translation>
    </message>
    <message>
        <source>Treinamento</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Camada de Entrada</source>
        <translation>Input Layer</translation>
    </message>
    <message>
        <source>Arquivo de padrões de entrada</source>
        <translation>Input pattern file</translation>
    </message>
    <message>
        <source>Caminho:</source>
        <translation>Path:</translation>
    </message>
    <message>
        <source>Regras do Treinamento</source>
        <translation>Training Rules</translation>
    </message>
    <message>
        <source>Taxa de Aprendizado </source>
        <translation>Learning Rate </translation>
    </message>
    <message>
        <source>Valor Inicial:</source>
        <translation>Initial Value:</translation>
    </message>
    <message>
        <source>0,1</source>
        <translation>0,1</translation>
    </message>
    <message>
        <source>Taxa de Evolução:</source>
        <translation>Evolution Rate:</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Critério de Parada </source>
        <translation>Stop Criterion </translation>
    </message>
    <message>
        <source>Decrementar raio até zera-lo</source>
        <translation>Decrease radius down to zero</translation>
    </message>
    <message>
        <source>Quantidade de ciclos </source>
        <translation>Number of cycles </translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Limpar Treinamento</source>
        <translation>Clear Training</translation>
    </message>
    <message>
        <source>Treinar!</source>
        <translation>Train!</translation>
    </message>
    <message>
        <source>Classificação</source>
        <translation>Classification</translation>
    </message>
    <message>
        <source>Arquivo de padrões para classificação</source>
        <translation>Pattern file for classification</translation>
    </message>
    <message>
        <source>Classificar!</source>
        <translation>Classify!</translation>
    </message>
    <message>
        <source>Método de Cálculo de Distância</source>
        <translation>Distance Calculation Method</translation>
    </message>
    <message>
        <source>Distancia Euclidiana</source>
        <translation>Euclidean Distance</translation>
    </message>
    <message>
        <source>Distancia de Hamming</source>
        <translation>Hamming Distance</translation>
    </message>
    <message>
        <source>Topologia da Rede</source>
        <translation>Network Topology</translation>
    </message>
    <message>
        <source>Neurônios</source>
        <translation>Neurons</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>linhas</source>
        <translation>rows</translation>
    </message>
    <message>
        <source>colunas</source>
        <translation>columns</translation>
    </message>
    <message>
        <source>Vizinhança </source>
        <translation>Neighborhood </translation>
    </message>
    <message>
        <source>Raio:</source>
        <translation>Radius:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>MANHATTAN</source>
        <translation>MANHATTAN</translation>
    </message>
    <message>
        <source>GRID</source>
        <translation>GRID</translation>
    </message>
    <message>
        <source>Mapa de nós (clusters):</source>
        <translation>Node map (clusters):</translation>
    </message>
    <message>
        <source>Arquivo</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Exibir</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Dados</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Salvar Treinamento</source>
        <translation>Save Training</translation>
    </message>
    <message>
        <source>Carregar Treinamento</source>
        <translation>Load Training</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Sobre</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Explorador do mapa</source>
        <translation>Map explorer</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Lições</source>
        <translation>Lessons</translation>
    </message>
    <message>
        <source>Ctrl+Shift+L</source>
        <translation>Ctrl+Shift+L</translation>
    </message>
    <message>
        <source>Laboratório</source>
        <translation>Laboratory</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Importar dados…</source>
        <translation>Import data…</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Semente aleatória…</source>
        <translation>Random seed…</translation>
    </message>
    <message>
        <source>Não foi possível abrir a sessão &quot;%1&quot;: %2</source>
        <translation>Could not open the session &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>A rede deve estar treinada! </source>
        <translation>The network must be trained! </translation>
    </message>
    <message>
        <source>Você deve especificar um valor inicial para taxa de aprendizagem entre 0 e 1.</source>
        <translation>You must specify an initial value for the learning rate between 0 and 1.</translation>
    </message>
    <message>
        <source>O Arquivo está em uso.</source>
        <translation>The File is in use.</translation>
    </message>
    <message>
        <source>Carregando</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>Lendo o arquivo de treinamento</source>
        <translation>Reading the training file</translation>
    </message>
    <message>
        <source>Formato inválido do arquivo de treinamento.</source>
        <translation>Invalid format of the training file.</translation>
    </message>
    <message>
        <source>A taxa de aprendizagem deve ser especificada em valores reais com virgula. </source>
        <translation>The learning rate must be specified as a real value with a decimal comma. </translation>
    </message>
    <message>
        <source>Você deve especificar um arquivo de padrões.</source>
        <translation>You must specify a pattern file.</translation>
    </message>
    <message>
        <source>Estes padrões não podem ser classificados com esta rede!</source>
        <translation>These patterns cannot be classified with this network!</translation>
    </message>
    <message>
        <source>Formato inválido do arquivo de padrões.</source>
        <translation>Invalid format of the pattern file.</translation>
    </message>
    <message>
        <source>O Raio foi ajustado para o tamanho máximo permitido pela topologia da rede.</source>
        <translation>The Radius was set to the maximum size allowed by the network topology.</translation>
    </message>
    <message>
        <source>Lendo</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>Lendo o cabeçalho do arquivo de padrões</source>
        <translation>Reading the header of the pattern file</translation>
    </message>
    <message>
        <source>Treinando</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>%1    (interrompido)</source>
        <translation>%1    (interrupted)</translation>
    </message>
    <message>
        <source>(interrompido)</source>
        <translation>(interrupted)</translation>
    </message>
    <message>
        <source>Você deve especificar um arquivo de padrões para teste!</source>
        <translation>You must specify a pattern file for testing!</translation>
    </message>
    <message>
        <source>Classificando</source>
        <translation>Classifying</translation>
    </message>
</context>
<context>
    <name>TFormSemente</name>
    <message>
        <source>Semente aleatória</source>
        <translation>Random seed</translation>
    </message>
    <message>
        <source>Do relógio: pesos iniciais diferentes a cada treinamento</source>
        <translation>From the clock: different initial weights on every training</translation>
    </message>
    <message>
        <source>Fixa (0 a 4294967295):</source>
        <translation>Fixed (0 to 4294967295):</translation>
    </message>
    <message>
        <source>Com a semente fixa, dois treinamentos com as mesmas configurações e o mesmo arquivo dão o mesmo mapa: a turma toda pode obter o mesmo resultado.</source>
        <translation>With a fixed seed, two trainings with the same settings and the same file give the same map: the whole class can get the same result.</translation>
    </message>
    <message>
        <source>A semente deve ser um número inteiro de 0 a 4294967295.</source>
        <translation>The seed must be a whole number from 0 to 4294967295.</translation>
    </message>
</context>
<context>
    <name>TFormSobre</name>
    <message>
        <source>Sobre </source>
        <translation>About </translation>
    </message>
    <message>
        <source>Autor:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>Equipe Norvika, versão 1.0, dezembro de 2026</source>
        <translation>Norvika Team, version 1.0, December 2026</translation>
    </message>
    <message>
        <source>Orientador:</source>
        <translation>Advisor:</translation>
    </message>
    <message>
        <source>Os mapas auto-organizáveis de Teuvo Kohonen (1982)</source>
        <translation>Teuvo Kohonen&apos;s self-organizing maps (1982)</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TFormTreinando</name>
    <message>
        <source>Treinando</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Treinando o mapa</source>
        <translation>Training the map</translation>
    </message>
    <message>
        <source>Próximo padrão</source>
        <translation>Next pattern</translation>
    </message>
    <message>
        <source>Próximo ciclo</source>
        <translation>Next cycle</translation>
    </message>
    <message>
        <source>Continuar</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Velocidade:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Parar</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Ciclo %1 de %2</source>
        <translation>Cycle %1 of %2</translation>
    </message>
    <message>
        <source>Lendo o arquivo de padrões</source>
        <translation>Reading the pattern file</translation>
    </message>
    <message>
        <source>Reunindo os rótulos dos padrões</source>
        <translation>Gathering the patterns&apos; labels</translation>
    </message>
    <message>
        <source>Medindo os erros do mapa</source>
        <translation>Measuring the map&apos;s errors</translation>
    </message>
    <message>
        <source>Classificando os padrões</source>
        <translation>Classifying the patterns</translation>
    </message>
    <message>
        <source>Tempo decorrido: %1</source>
        <translation>Elapsed time: %1</translation>
    </message>
    <message>
        <source>    Restante: cerca de %1</source>
        <translation>    Remaining: about %1</translation>
    </message>
    <message>
        <source>máxima</source>
        <translation>maximum</translation>
    </message>
    <message>
        <source>%1 padrões/s</source>
        <translation>%1 patterns/s</translation>
    </message>
    <message>
        <source>Pausar</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Parando...</source>
        <translation>Stopping...</translation>
    </message>
</context>
<context>
    <name>TManual</name>
    <message>
        <source>Manual do Norvika</source>
        <translation>Norvika Manual</translation>
    </message>
</context>
<context>
    <name>TPainelMapa</name>
    <message>
        <source>não há mapa</source>
        <translation>there is no map</translation>
    </message>
    <message>
        <source>o nome deve terminar em .csv (tabela) ou .cod (SOM_PAK)</source>
        <translation>the name must end in .csv (table) or .cod (SOM_PAK)</translation>
    </message>
</context>
<context>
    <name>TTreinoPassoAPasso</name>
    <message>
        <source>Treinando</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Ciclo %1 de %2, padrão %3 de %4 (%5)</source>
        <translation>Cycle %1 of %2, pattern %3 of %4 (%5)</translation>
    </message>
    <message>
        <source>sem rótulo</source>
        <translation>no label</translation>
    </message>
    <message>
        <source>Ciclo 1 de %1, nenhum padrão apresentado ainda</source>
        <translation>Cycle 1 of %1, no pattern presented yet</translation>
    </message>
    <message>
        <source>%1; taxa de aprendizagem %2, raio %3</source>
        <translation>%1; learning rate %2, radius %3</translation>
    </message>
    <message>
        <source>Treinando o mapa passo a passo</source>
        <translation>Training the map step by step</translation>
    </message>
</context>
<context>
    <name>TVistaMapa</name>
    <message>
        <source>(sem rótulo)</source>
        <translation>(no label)</translation>
    </message>
    <message>
        <source>
… e mais %1 rótulos</source>
        <translation>
… and %1 more labels</translation>
    </message>
    <message>
        <source>
distância média aos vizinhos: %1</source>
        <translation>
mean distance to neighbors: %1</translation>
    </message>
    <message>
        <source>
erro médio de quantização: %1</source>
        <translation>
mean quantization error: %1</translation>
    </message>
    <message>
        <source>
grupo %1</source>
        <translation>
cluster %1</translation>
    </message>
</context>
<context>
    <name>UAnimacaoMapa</name>
    <message>
        <source>Época %1 de %2</source>
        <translation>Epoch %1 of %2</translation>
    </message>
    <message>
        <source> · erro de quantização %1, topográfico %2</source>
        <translation> · quantization error %1, topographic %2</translation>
    </message>
</context>
<context>
    <name>UDemonstracoes</name>
    <message>
        <source>Quadrado uniforme</source>
        <translation>Uniform square</translation>
    </message>
    <message>
        <source>pontos uniformes no quadrado [0, 1] x [0, 1], sem rótulo</source>
        <translation>uniform points in the square [0, 1] x [0, 1], unlabelled</translation>
    </message>
    <message>
        <source>Disco</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>pontos uniformes num disco de raio 0,5, sem rótulo</source>
        <translation>uniform points in a disk of radius 0.5, unlabelled</translation>
    </message>
    <message>
        <source>Anel</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>pontos uniformes entre os raios 0,25 e 0,5 (uma coroa), sem rótulo</source>
        <translation>uniform points between radii 0.25 and 0.5 (an annulus), unlabelled</translation>
    </message>
    <message>
        <source>Duas luas</source>
        <translation>Two moons</translation>
    </message>
    <message>
        <source>duas meias-luas entrelaçadas, rótulos lua1 e lua2</source>
        <translation>two interleaved half-moons, labels lua1 and lua2</translation>
    </message>
    <message>
        <source>Cubo (cores)</source>
        <translation>Cube (colors)</translation>
    </message>
    <message>
        <source>pontos uniformes no cubo [0, 1]³, sem rótulo (como cores RGB)</source>
        <translation>uniform points in the cube [0, 1]³, unlabelled (like RGB colors)</translation>
    </message>
    <message>
        <source>Nuvens gaussianas</source>
        <translation>Gaussian clouds</translation>
    </message>
    <message>
        <source>G grupos gaussianos em D dimensões, rótulos g0, g1, ...</source>
        <translation>G Gaussian groups in D dimensions, labels g0, g1, ...</translation>
    </message>
    <message>
        <source>Espiral</source>
        <translation>Spiral</translation>
    </message>
    <message>
        <source>três voltas de uma espiral, rótulos volta1 a volta3</source>
        <translation>three turns of a spiral, labels volta1 to volta3</translation>
    </message>
    <message>
        <source>Cidades (caixeiro-viajante)</source>
        <translation>Cities (traveling salesman)</translation>
    </message>
    <message>
        <source>cidades sorteadas no quadrado [0, 1]², rótulos c1, c2, ...</source>
        <translation>cities drawn at random in the square [0, 1]², labels c1, c2, ...</translation>
    </message>
    <message>
        <source>Traços como dígitos</source>
        <translation>Strokes like digits</translation>
    </message>
    <message>
        <source>imagens de D pixels de 0 a 255 em dez classes de traços, rótulos d0 a d9</source>
        <translation>images of D pixels from 0 to 255 in ten classes of strokes, labels d0 to d9</translation>
    </message>
    <message>
        <source>Cores com nome</source>
        <translation>Named colors</translation>
    </message>
    <message>
        <source>cores RGB de 0 a 1 rotuladas com o nome da cor mais próxima</source>
        <translation>RGB colors from 0 to 1 labelled with the name of the nearest color</translation>
    </message>
</context>
<context>
    <name>UDialogos</name>
    <message>
        <source>Tabelas</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>Todos os arquivos (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Arquivos de padrões (*.txt)</source>
        <translation>Pattern files (*.txt)</translation>
    </message>
    <message>
        <source>Dados do SOM_PAK (*.dat)</source>
        <translation>SOM_PAK data (*.dat)</translation>
    </message>
    <message>
        <source>Imagens (*.png *.svg)</source>
        <translation>Images (*.png *.svg)</translation>
    </message>
    <message>
        <source>Tabelas (*.csv)</source>
        <translation>Tables (*.csv)</translation>
    </message>
    <message>
        <source>Mapas do SOM_PAK (*.cod)</source>
        <translation>SOM_PAK maps (*.cod)</translation>
    </message>
</context>
<context>
    <name>UDistribuicoes</name>
    <message>
        <source>Quadrado uniforme</source>
        <translation>Uniform square</translation>
    </message>
    <message>
        <source>Disco</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>Anel</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Duas luas</source>
        <translation>Two moons</translation>
    </message>
    <message>
        <source>Alta e baixa densidade</source>
        <translation>High and low density</translation>
    </message>
    <message>
        <source>Retângulos separados</source>
        <translation>Separate rectangles</translation>
    </message>
    <message>
        <source>Quadrado que se move</source>
        <translation>Moving square</translation>
    </message>
    <message>
        <source>Quadrado que salta</source>
        <translation>Jumping square</translation>
    </message>
    <message>
        <source>Anel que encolhe</source>
        <translation>Shrinking ring</translation>
    </message>
</context>
<context>
    <name>UFolhaLicao</name>
    <message>
        <source>Norvika · página %1</source>
        <translation>Norvika · page %1</translation>
    </message>
    <message>
        <source>No Norvika, abra Exibir → Lições, escolha esta lição e clique em Preparar.</source>
        <translation>In Norvika, open View → Lessons, choose this lesson and click Prepare.</translation>
    </message>
    <message>
        <source>Esta lição usa a janela clássica e o laboratório.</source>
        <translation>This lesson uses the classic window and the laboratory.</translation>
    </message>
    <message>
        <source>Esta lição usa a janela clássica.</source>
        <translation>This lesson uses the classic window.</translation>
    </message>
    <message>
        <source>Esta lição usa o laboratório.</source>
        <translation>This lesson uses the laboratory.</translation>
    </message>
    <message>
        <source>Norvika · mapas auto-organizáveis de Kohonen</source>
        <translation>Norvika · Kohonen self-organizing maps</translation>
    </message>
    <message>
        <source>Nome: ______________________________________    Data: ____/____/________</source>
        <translation>Name: ______________________________________    Date: ____/____/________</translation>
    </message>
    <message>
        <source>Do que trata a lição</source>
        <translation>What the lesson is about</translation>
    </message>
    <message>
        <source>O que fazer e o que observar</source>
        <translation>What to do and what to look at</translation>
    </message>
    <message>
        <source>Perguntas</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>O mapa nas janelas</source>
        <translation>The map in the windows</translation>
    </message>
    <message>
        <source>Lições do Norvika</source>
        <translation>Norvika lessons</translation>
    </message>
    <message>
        <source>a folha não pôde ser desenhada</source>
        <translation>the worksheet could not be drawn</translation>
    </message>
    <message>
        <source>Respostas</source>
        <translation>Answers</translation>
    </message>
</context>
<context>
    <name>UIdioma</name>
    <message>
        <source>%1: idioma desconhecido: &quot;%2&quot; (use pt ou en)</source>
        <translation>%1: unknown language: &quot;%2&quot; (use pt or en)</translation>
    </message>
</context>
<context>
    <name>UImagemExportada</name>
    <message>
        <source>o nome deve terminar em .png ou .svg</source>
        <translation>the name must end in .png or .svg</translation>
    </message>
    <message>
        <source>a imagem não pôde ser desenhada</source>
        <translation>the image could not be drawn</translation>
    </message>
    <message>
        <source>Não foi possível gravar %1 em &quot;%2&quot;: %3.</source>
        <translation>Could not save %1 to &quot;%2&quot;: %3.</translation>
    </message>
</context>
<context>
    <name>ULayoutMapa</name>
    <message>
        <source>Rótulos</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Acertos</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Matriz-U</source>
        <translation>U-matrix</translation>
    </message>
    <message>
        <source>Planos de componentes</source>
        <translation>Component planes</translation>
    </message>
    <message>
        <source>Cores</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Rede no espaço</source>
        <translation>Net in input space</translation>
    </message>
    <message>
        <source>Curva de erro</source>
        <translation>Error curve</translation>
    </message>
    <message>
        <source>Amostras</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>Agrupamentos</source>
        <translation>Clusters</translation>
    </message>
    <message>
        <source>Erro por unidade</source>
        <translation>Error per unit</translation>
    </message>
    <message>
        <source>Propriedade</source>
        <translation>Property</translation>
    </message>
</context>
<context>
    <name>ULicoes</name>
    <message>
        <source>1. O vencedor e a vizinhança</source>
        <translation>1. The winner and the neighborhood</translation>
    </message>
    <message>
        <source>Cada padrão apresentado ao mapa escolhe um vencedor: o neurônio cujos pesos estão mais perto dele. O vencedor e os vizinhos dentro do raio andam um pouco na direção do padrão. Repetido milhares de vezes, esse passo simples organiza o mapa inteiro. Aqui você vê um passo de cada vez, com as 24 cores do arquivo cores.txt num mapa de 6 × 6.</source>
        <translation>Each pattern presented to the map picks a winner: the neuron whose weights are closest to it. The winner and its neighbors within the radius move a little toward the pattern. Repeated thousands of times, this simple step organizes the whole map. Here you see one step at a time, with the 24 colors of the file cores.txt on a 6 × 6 map.</translation>
    </message>
    <message>
        <source>Preparar abre a janela clássica com cores.txt, um mapa de 6 × 6, vizinhança MANHATTAN de raio 2, taxa 0,5 e 10 ciclos, e liga o passo a passo do explorador na vista Cores. Clique em Treinar!: a cada passo o explorador mostra o padrão, o vencedor e os neurônios dentro do raio. Observe as cores das células mudarem e, depois de alguns ciclos, cores parecidas ficarem lado a lado.</source>
        <translation>Prepare opens the classic window with cores.txt, a 6 × 6 map, a MANHATTAN neighborhood of radius 2, rate 0,5 and 10 cycles, and turns on the explorer&apos;s step-by-step training in the Colors view. Click Train!: at each step the explorer shows the pattern, the winner and the neurons within the radius. Watch the cells&apos; colors change and, after a few cycles, similar colors end up side by side.</translation>
    </message>
    <message>
        <source>Quais neurônios mudam de peso quando um padrão é apresentado?</source>
        <translation>Which neurons change their weights when a pattern is presented?</translation>
    </message>
    <message>
        <source>O vencedor e todos os neurônios a uma distância de no máximo 2 (o raio) dele no mapa; os outros ficam como estavam.</source>
        <translation>The winner and every neuron at most 2 (the radius) away from it on the map; the others stay as they were.</translation>
    </message>
    <message>
        <source>Um vizinho na borda do raio se move menos que o vencedor?</source>
        <translation>Does a neighbor at the edge of the radius move less than the winner?</translation>
    </message>
    <message>
        <source>Não, no treino clássico: todos dentro do raio andam a mesma fração (a taxa) do caminho até o padrão. A vizinhança gaussiana do laboratório é que faz os mais distantes andarem menos.</source>
        <translation>No, in classic training: everyone within the radius moves the same fraction (the rate) of the way to the pattern. It is the laboratory&apos;s Gaussian neighborhood that makes the farther ones move less.</translation>
    </message>
    <message>
        <source>Por que cores parecidas acabam vizinhas no mapa?</source>
        <translation>Why do similar colors end up next to each other on the map?</translation>
    </message>
    <message>
        <source>Porque o vencedor arrasta os vizinhos junto: quem fica ao lado de um neurônio &quot;vermelho&quot; também é puxado para o vermelho, e o mapa vira um degradê.</source>
        <translation>Because the winner drags its neighbors along: whoever sits next to a &quot;red&quot; neuron is also pulled toward red, and the map becomes a gradient.</translation>
    </message>
    <message>
        <source>2. O mapa se desdobra</source>
        <translation>2. The map unfolds</translation>
    </message>
    <message>
        <source>Um mapa de 10 × 10 começa todo embolado num canto de um quadrado de 500 pontos uniformes e, época a época, se abre até cobrir o quadrado como uma rede. É a demonstração mais conhecida do mapa de Kohonen: a ordem do mapa aparece sozinha, porque o raio começa grande (5) e diminui devagar (até 1).</source>
        <translation>A 10 × 10 map starts all bunched up in a corner of a square of 500 uniform points and, epoch by epoch, opens up until it covers the square like a net. It is the best-known demonstration of Kohonen&apos;s map: the map&apos;s order appears by itself, because the radius starts large (5) and shrinks slowly (down to 1).</translation>
    </message>
    <message>
        <source>Preparar gera o quadrado e escolhe o treino no laboratório, na vista Rede no espaço. Clique em Treinar e depois em Reproduzir (ou arraste a barra): veja a rede sair do canto, se esticar e se abrir sem se cruzar. Anote os dois erros no alto da direita.</source>
        <translation>Prepare generates the square and sets up the training in the laboratory, in the Net in input space view. Click Train and then Replay (or drag the slider): watch the net leave the corner, stretch and open up without crossing itself. Note the two errors at the top right.</translation>
    </message>
    <message>
        <source>O que acontece nas primeiras épocas, quando o raio ainda é grande?</source>
        <translation>What happens in the first epochs, while the radius is still large?</translation>
    </message>
    <message>
        <source>A rede inteira anda junta para o meio dos dados e se estica como um todo; os detalhes só aparecem quando o raio fica pequeno.</source>
        <translation>The whole net moves together toward the middle of the data and stretches as a whole; the details only appear once the radius gets small.</translation>
    </message>
    <message>
        <source>Quanto valem os erros de quantização e topográfico no fim?</source>
        <translation>What are the quantization and topographic errors at the end?</translation>
    </message>
    <message>
        <source>Cerca de 0,049 e 0,02: quase nenhum padrão tem o segundo melhor neurônio longe do primeiro no mapa, ou seja, a rede não tem dobras.</source>
        <translation>About 0.049 and 0.02: almost no pattern has its second-best neuron far from the first on the map, that is, the net has no folds.</translation>
    </message>
    <message>
        <source>Por que a rede não cobre os cantos do quadrado até a borda?</source>
        <translation>Why does the net not reach all the way to the square&apos;s corners?</translation>
    </message>
    <message>
        <source>Cada neurônio fica na média dos pontos que ganha (e dos vizinhos): os da borda ficam um pouco para dentro, onde está a média da sua região.</source>
        <translation>Each neuron settles at the mean of the points it wins (and of its neighbors&apos;): those at the edge sit a little inward, where the mean of their region is.</translation>
    </message>
    <message>
        <source>3. Raio e dobras</source>
        <translation>3. Radius and folds</translation>
    </message>
    <message>
        <source>O mesmo quadrado, o mesmo começo no canto, as mesmas épocas; só o raio muda: começa em 1 e vai até 0. Sem uma vizinhança larga no início, partes do mapa se ordenam cada uma para o seu lado e o mapa se dobra. O erro de quantização cai (cada neurônio se ajusta melhor aos seus pontos), mas o erro topográfico sobe muito.</source>
        <translation>The same square, the same start in the corner, the same epochs; only the radius changes: it starts at 1 and goes down to 0. Without a wide neighborhood at the start, parts of the map each get ordered their own way and the map folds. The quantization error drops (each neuron fits its points better), but the topographic error rises a lot.</translation>
    </message>
    <message>
        <source>Treine, reproduza e compare com a lição 2 (selecione as duas execuções e clique em Comparar, se treinou as duas nesta janela). Procure os lugares onde a rede se cruza ou se torce.</source>
        <translation>Train, replay and compare with lesson 2 (select both runs and click Compare, if you trained both in this window). Look for the places where the net crosses or twists.</translation>
    </message>
    <message>
        <source>Qual erro de quantização é menor, o da lição 2 ou o desta?</source>
        <translation>Which quantization error is smaller, lesson 2&apos;s or this one&apos;s?</translation>
    </message>
    <message>
        <source>O desta (cerca de 0,028 contra 0,049): com raio pequeno os neurônios ficam mais livres para se ajustar aos pontos.</source>
        <translation>This one&apos;s (about 0.028 against 0.049): with a small radius the neurons are freer to fit their points.</translation>
    </message>
    <message>
        <source>E o erro topográfico?</source>
        <translation>And the topographic error?</translation>
    </message>
    <message>
        <source>O desta é várias vezes maior (cerca de 0,17 contra 0,02): vizinhos nos dados não são mais vizinhos no mapa, onde ele se dobrou.</source>
        <translation>This one&apos;s is several times larger (about 0.17 against 0.02): neighbors in the data are no longer neighbors on the map, where it folded.</translation>
    </message>
    <message>
        <source>Então qual mapa é melhor?</source>
        <translation>So which map is better?</translation>
    </message>
    <message>
        <source>O da lição 2: um mapa dobrado representa os dados, mas não os ordena, e a ordem é o que o mapa de Kohonen oferece. Um erro sozinho não diz se o mapa é bom.</source>
        <translation>Lesson 2&apos;s: a folded map represents the data but does not order them, and order is what Kohonen&apos;s map offers. One error alone does not tell whether a map is good.</translation>
    </message>
    <message>
        <source>4. Dados reais</source>
        <translation>4. Real data</translation>
    </message>
    <message>
        <source>As 150 flores de íris de Fisher vêm de uma planilha (iris.csv) com quatro medidas em centímetros e a espécie. Preparar importa a tabela com escore z (cada medida passa a ter média 0 e desvio 1, como em Dados → Importar dados) e treina num mapa hexagonal de 6 × 8 em lote.</source>
        <translation>Fisher&apos;s 150 iris flowers come from a spreadsheet (iris.csv) with four measurements in centimeters and the species. Prepare imports the table with z-scores (each measurement gets mean 0 and standard deviation 1, as in Data → Import data) and trains a 6 × 8 hexagonal map in batch.</translation>
    </message>
    <message>
        <source>Treine e veja a Matriz-U: cada unidade tem a cor da sua distância média às vizinhas; as escuras (roxas) são parecidas com as vizinhas, as claras (verdes e amarelas) marcam fronteiras. Depois passe à vista Rótulos e clique em algumas unidades: os pesos aparecem também nos valores originais, em centímetros.</source>
        <translation>Train and look at the U-matrix: each unit has the color of its mean distance to its neighbors; dark (purple) units are similar to their neighbors, light (green and yellow) ones mark borders. Then switch to the Labels view and click some units: the weights also appear in the original values, in centimeters.</translation>
    </message>
    <message>
        <source>Quantos grupos a Matriz-U separa com clareza?</source>
        <translation>How many groups does the U-matrix clearly separate?</translation>
    </message>
    <message>
        <source>Dois: a setosa fica isolada por uma faixa clara; versicolor e virginica ficam lado a lado, com uma fronteira fraca.</source>
        <translation>Two: setosa is isolated by a light band; versicolor and virginica sit side by side, with a weak border.</translation>
    </message>
    <message>
        <source>Por que normalizar antes de treinar?</source>
        <translation>Why normalize before training?</translation>
    </message>
    <message>
        <source>Sem normalização, a medida de maior variação (o comprimento da pétala) pesaria mais na distância. Com o escore z as quatro medidas contam por igual.</source>
        <translation>Without normalization, the measurement with the largest spread (petal length) would weigh more in the distance. With z-scores the four measurements count equally.</translation>
    </message>
    <message>
        <source>As espécies misturam em alguma unidade?</source>
        <translation>Do the species mix in any unit?</translation>
    </message>
    <message>
        <source>Algumas unidades na fronteira entre versicolor e virginica ganham flores das duas: essas duas espécies se sobrepõem nas medidas.</source>
        <translation>Some units on the border between versicolor and virginica win flowers of both: these two species overlap in their measurements.</translation>
    </message>
    <message>
        <source>5. Clássico × laboratório</source>
        <translation>5. Classic × laboratory</translation>
    </message>
    <message>
        <source>O mesmo iris.txt (sem normalizar) em dois treinos: a janela clássica (mapa retangular de 6 × 8, GRID de raio 1, 100 ciclos, todos os vizinhos com a mesma taxa) e o laboratório (hexagonal de 6 × 8, gaussiana com raio de 4 até 0,5, 20 épocas em lote, começando no plano das componentes principais).</source>
        <translation>The same iris.txt (not normalized) in two trainings: the classic window (a 6 × 8 rectangular map, GRID of radius 1, 100 cycles, every neighbor with the same rate) and the laboratory (6 × 8 hexagonal, Gaussian with radius from 4 to 0.5, 20 batch epochs, starting on the plane of the principal components).</translation>
    </message>
    <message>
        <source>Preparar põe as duas janelas prontas. Treine as duas e compare os erros (no explorador da clássica e à direita do laboratório) e os mapas de rótulos.</source>
        <translation>Prepare gets both windows ready. Train both and compare the errors (in the classic window&apos;s explorer and at the laboratory&apos;s right) and the label maps.</translation>
    </message>
    <message>
        <source>Qual treino dá o menor erro de quantização?</source>
        <translation>Which training gives the smaller quantization error?</translation>
    </message>
    <message>
        <source>O do laboratório: cerca de 0,303 contra 0,336 da clássica (semente 2026).</source>
        <translation>The laboratory&apos;s: about 0.303 against 0,336 for the classic one (seed 2026).</translation>
    </message>
    <message>
        <source>Os dois são pequenos: cerca de 0,02 no laboratório e 0,013 na clássica. Os dois mapas estão ordenados.</source>
        <translation>Both are small: about 0.02 in the laboratory and 0,013 in the classic one. Both maps are ordered.</translation>
    </message>
    <message>
        <source>Por que o laboratório precisa de tão menos épocas?</source>
        <translation>Why does the laboratory need so many fewer epochs?</translation>
    </message>
    <message>
        <source>O treino em lote leva cada unidade direto à média ponderada dos padrões da sua vizinhança, e o começo linear já parte de um mapa ordenado; o clássico anda uma fração da taxa a cada padrão, a partir de pesos sorteados.</source>
        <translation>Batch training takes each unit straight to the weighted mean of the patterns of its neighborhood, and the linear start already begins with an ordered map; the classic one moves a fraction (the rate) at each pattern, from random weights.</translation>
    </message>
    <message>
        <source>6. O caixeiro-viajante</source>
        <translation>6. The traveling salesman</translation>
    </message>
    <message>
        <source>Um caixeiro precisa visitar 30 cidades e voltar ao início pelo caminho mais curto. Um anel de 90 unidades (um mapa de 1 × 90 toroidal, sem começo nem fim) começa num canto e é puxado pelas cidades; a vizinhança mantém o anel curto e liso. No fim, a ordem das cidades ao longo do anel é um percurso.</source>
        <translation>A salesman must visit 30 cities and return to the start by the shortest route. A ring of 90 units (a toroidal 1 × 90 map, with no beginning or end) starts in a corner and is pulled by the cities; the neighborhood keeps the ring short and smooth. At the end, the order of the cities along the ring is a tour.</translation>
    </message>
    <message>
        <source>Treine e reproduza na vista Rede no espaço: o anel se abre e encosta nas cidades. O percurso do anel aparece em laranja, com o seu comprimento e o de um percurso simples, que sempre vai à cidade mais próxima ainda não visitada.</source>
        <translation>Train and replay in the Net in input space view: the ring opens up and touches the cities. The ring&apos;s tour appears in orange, with its length and that of a simple tour that always goes to the nearest city not yet visited.</translation>
    </message>
    <message>
        <source>Qual percurso é mais curto?</source>
        <translation>Which tour is shorter?</translation>
    </message>
    <message>
        <source>O do anel: cerca de 4,66 contra 5,35 do vizinho mais próximo (uns 13 % mais curto).</source>
        <translation>The ring&apos;s: about 4.66 against 5.35 for the nearest neighbor (some 13 % shorter).</translation>
    </message>
    <message>
        <source>Por que o anel tem mais unidades (90) que cidades (30)?</source>
        <translation>Why does the ring have more units (90) than cities (30)?</translation>
    </message>
    <message>
        <source>Com folga, cada cidade acaba com uma unidade só sua e o anel pode fazer curvas entre elas; com poucas unidades, várias cidades dividiriam uma e a ordem entre elas se perderia.</source>
        <translation>With room to spare, each city ends up with a unit of its own and the ring can curve between them; with few units, several cities would share one and the order among them would be lost.</translation>
    </message>
    <message>
        <source>O anel acha sempre o menor percurso possível?</source>
        <translation>Does the ring always find the shortest possible tour?</translation>
    </message>
    <message>
        <source>Não: ele acha um percurso bom, em geral a poucos por cento do ótimo, mas sem garantia. Outra semente pode dar outro percurso.</source>
        <translation>No: it finds a good tour, usually within a few percent of the optimum, but with no guarantee. Another seed may give another tour.</translation>
    </message>
</context>
<context>
    <name>ULinhaComando</name>
    <message>
        <source>opção desconhecida: %1%2</source>
        <translation>unknown option: %1%2</translation>
    </message>
    <message>
        <source>só um arquivo pode ser aberto de cada vez</source>
        <translation>only one file can be opened at a time</translation>
    </message>
    <message>
        <source>Uso: norvika [opções] [ARQUIVO]
Norvika %1: ensino e experimentação com mapas auto-organizáveis de Kohonen.

Opções:
  -h, --help        Mostra esta ajuda e sai.
  -v, --version     Mostra a versão do programa e sai.
  --laboratorio     Abre o laboratório, com o ARQUIVO quando dado. O laboratório
                    treina mapas hexagonais ou retangulares, planos ou toroidais,
                    com vizinhança gaussiana ou bolha, online ou em lote; um
                    ARQUIVO .norvika-lab é uma sessão gravada por ele.
  --idioma pt|en    O idioma desta execução (português ou inglês), sem mudar a
                    escolha de Exibir → Idioma.

Argumento:
  ARQUIVO           Um arquivo de padrões, que vai para a caixa &quot;Caminho:&quot; da
                    página Treinamento, ou uma rede treinada (.cfg), que é
                    carregada como pelo menu Arquivo → Carregar Treinamento;
                    qualquer outra tabela (CSV, .dat do SOM_PAK, ARFF) abre em
                    Dados → Importar dados.

Variáveis de ambiente:
  NORVIKA_SEMENTE   Fixa a semente dos pesos iniciais (0 a 4294967295), para
                    que toda a turma obtenha o mesmo mapa.
  NORVIKA_BUSCA     Escolhe o núcleo de busca (escalar, avx2 ou avx512) em
                    vez do melhor que o processador tem; serve para medições.
  NORVIKA_IDIOMA    O idioma desta execução (pt ou en), como --idioma.

Sem argumentos, o programa abre com a janela vazia.
</source>
        <translation>Usage: norvika [options] [FILE]
Norvika %1: teaching and experimenting with Kohonen self-organizing maps.

Options:
  -h, --help        Shows this help and exits.
  -v, --version     Shows the program version and exits.
  --laboratorio     Opens the laboratory, with FILE when given. The laboratory
                    trains hexagonal or rectangular, flat or toroidal maps,
                    with Gaussian or bubble neighborhood, online or batch; a
                    .norvika-lab FILE is a session saved by it.
  --idioma pt|en    Sets the language for this launch (Portuguese or English),
                    without changing the choice in View → Language.

Argument:
  FILE              A pattern file, which goes into the &quot;Path:&quot; box of the
                    Training page, or a trained network (.cfg), which is
                    loaded as with the menu File → Load Training; any other
                    table (CSV, SOM_PAK .dat, ARFF) opens in
                    Data → Import data.

Environment variables:
  NORVIKA_SEMENTE   Fixes the seed of the initial weights (0 to 4294967295), so
                    that the whole class gets the same map.
  NORVIKA_BUSCA     Chooses the search kernel (escalar, avx2 or avx512) instead
                    of the best one the processor has; useful for benchmarks.
  NORVIKA_IDIOMA    The language for this launch (pt or en), like --idioma.

Without arguments, the program opens with an empty window.
</translation>
    </message>
</context>
<context>
    <name>UMensagens</name>
    <message>
        <source>Salvar…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Memória insuficiente para concluir a operação</source>
        <translation>Not enough memory to complete the operation</translation>
    </message>
    <message>
        <source>Falha inesperada</source>
        <translation>Unexpected failure</translation>
    </message>
</context>
<context>
    <name>UPintorCelulas</name>
    <message>
        <source>(sem rótulo)</source>
        <translation>(no label)</translation>
    </message>
    <message>
        <source>Padrões ganhos</source>
        <translation>Patterns won</translation>
    </message>
    <message>
        <source>Distância média aos vizinhos</source>
        <translation>Mean distance to neighbors</translation>
    </message>
    <message>
        <source>Esta vista precisa dos padrões com que o mapa foi medido e de seus vencedores, que não estão à mão para este mapa.</source>
        <translation>This view needs the patterns the map was measured on and their winners, which are not at hand for this map.</translation>
    </message>
    <message>
        <source>Erro médio de quantização</source>
        <translation>Mean quantization error</translation>
    </message>
</context>
<context>
    <name>UPintorEspaco</name>
    <message>
        <source>Percurso do anel (laranja): %1</source>
        <translation>Ring tour (orange): %1</translation>
    </message>
    <message>
        <source>, %1 % mais curto</source>
        <translation>, %1 % shorter</translation>
    </message>
    <message>
        <source>Percurso do vizinho mais próximo: %1</source>
        <translation>Nearest-neighbor tour: %1</translation>
    </message>
    <message>
        <source>Os padrões e a rede nos valores dos atributos</source>
        <translation>The patterns and the net in the attributes&apos; values</translation>
    </message>
    <message>
        <source>Os padrões e a rede nos dois componentes principais</source>
        <translation>The patterns and the net on the first two principal components</translation>
    </message>
</context>
<context>
    <name>UPintorPlanos</name>
    <message>
        <source> (%1 a %2)</source>
        <translation> (%1 to %2)</translation>
    </message>
    <message>
        <source>Peso normalizado (mesma escala em todos)</source>
        <translation>Normalized weight (same scale in all)</translation>
    </message>
    <message>
        <source>Peso (mesma escala em todos)</source>
        <translation>Weight (same scale in all)</translation>
    </message>
    <message>
        <source>Faixas nos títulos: valores originais</source>
        <translation>Ranges in the titles: original values</translation>
    </message>
</context>
<context>
    <name>UPintura</name>
    <message>
        <source>Atributo %1</source>
        <translation>Attribute %1</translation>
    </message>
    <message>
        <source>Rótulos</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>(sem rótulo)</source>
        <translation>(no label)</translation>
    </message>
    <message>
        <source>… e mais %1</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>mapa %1 × %2</source>
        <translation>map %1 × %2</translation>
    </message>
    <message>
        <source>, %1, raio %2</source>
        <translation>, %1, radius %2</translation>
    </message>
    <message>
        <source>ciclo</source>
        <translation>cycle</translation>
    </message>
    <message>
        <source>ciclos</source>
        <translation>cycles</translation>
    </message>
    <message>
        <source>semente %1</source>
        <translation>seed %1</translation>
    </message>
    <message>
        <source>erro de quantização %1, topográfico %2</source>
        <translation>quantization error %1, topographic %2</translation>
    </message>
    <message>
        <source>neurônio que não ganhou nenhum padrão</source>
        <translation>neuron that won no pattern</translation>
    </message>
    <message>
        <source>no arquivo</source>
        <translation>in the file</translation>
    </message>
    <message>
        <source>unidades originais</source>
        <translation>original units</translation>
    </message>
    <message>
        <source>Neurônio [%1,%2]

</source>
        <translation>Neuron [%1,%2]

</translation>
    </message>
    <message>
        <source>Pesos:</source>
        <translation>Weights:</translation>
    </message>
    <message>
        <source>
Padrões ganhos: %1
</source>
        <translation>
Patterns won: %1
</translation>
    </message>
    <message>
        <source>
Padrões (número no arquivo): %1</source>
        <translation>
Patterns (number in the file): %1</translation>
    </message>
    <message>
        <source> … e mais %1</source>
        <translation> … and %1 more</translation>
    </message>
    <message>
        <source>Nenhum padrão apresentado ainda.</source>
        <translation>No pattern presented yet.</translation>
    </message>
    <message>
        <source>%1 %2 de %3, padrão %4 de %5 (%6)

</source>
        <translation>%1 %2 of %3, pattern %4 of %5 (%6)

</translation>
    </message>
    <message>
        <source>sem rótulo</source>
        <translation>no label</translation>
    </message>
    <message>
        <source>Valores do padrão:</source>
        <translation>Pattern values:</translation>
    </message>
    <message>
        <source>Vencedor [%1,%2], puxado com taxa %3 e raio %4</source>
        <translation>Winner [%1,%2], pulled with rate %3 and radius %4</translation>
    </message>
    <message>
        <source>Pesos antes → depois:</source>
        <translation>Weights before → after:</translation>
    </message>
    <message>
        <source>Nenhum mapa ainda.
Treine, carregue ou classifique um mapa na janela principal para vê-lo aqui.</source>
        <translation>No map yet.
Train, load or classify a map in the main window to see it here.</translation>
    </message>
    <message>
        <source>Grupos</source>
        <translation>Clusters</translation>
    </message>
    <message>
        <source>Grupo %1</source>
        <translation>Cluster %1</translation>
    </message>
</context>
<context>
    <name>UPreparacaoLicao</name>
    <message>
        <source>O exemplo %1 não está no programa.</source>
        <translation>The example %1 is not in the program.</translation>
    </message>
    <message>
        <source>Não foi possível gravar &quot;%1&quot;: %2</source>
        <translation>Could not write &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>%1: preparada. Clique em Treinar.</source>
        <translation>%1: prepared. Click Train.</translation>
    </message>
    <message>
        <source>%1: preparada (semente %2). Clique em Treinar!.</source>
        <translation>%1: prepared (seed %2). Click Train!.</translation>
    </message>
    <message>
        <source>Espere o treino do laboratório terminar (ou clique em Parar lá) antes de preparar uma lição.</source>
        <translation>Wait for the laboratory&apos;s training to finish (or click Stop there) before preparing a lesson.</translation>
    </message>
    <message>
        <source>A janela clássica, vista %1, como o explorador mostra o mapa agora.</source>
        <translation>The classic window, view %1, as the explorer shows the map now.</translation>
    </message>
    <message>
        <source>O laboratório, vista %1, com o mapa do último treino.</source>
        <translation>The laboratory, view %1, with the map of the last training.</translation>
    </message>
</context>
<context>
    <name>UVistaCurva</name>
    <message>
        <source>A curva de erro é registrada durante o treinamento.</source>
        <translation>The error curve is recorded during training.</translation>
    </message>
    <message>
        <source>ciclo %1</source>
        <translation>cycle %1</translation>
    </message>
    <message>
        <source>Erro de quantização (distância média de cada padrão ao seu vencedor)</source>
        <translation>Quantization error (mean distance of each pattern to its winner)</translation>
    </message>
    <message>
        <source>Erro topográfico (fração dos padrões cujos dois neurônios mais próximos não são vizinhos)</source>
        <translation>Topographic error (fraction of the patterns whose two nearest neurons are not neighbors)</translation>
    </message>
</context>
<context>
    <name>UVistaFerramenta</name>
    <message>
        <source>propriedade=%1: os dados não têm essa coluna (dê o nome ou o número, de 1 a %2)</source>
        <translation>propriedade=%1: the data have no such column (give its name or its number, from 1 to %2)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>norvika: %1
Use &quot;norvika --help&quot; para ver as opções.
</source>
        <translation>norvika: %1
Use &quot;norvika --help&quot; to see the options.
</translation>
    </message>
    <message>
        <source>norvika: NORVIKA_SEMENTE: semente inválida: &quot;%1&quot; (use um número inteiro de 0 a 4294967295); os pesos iniciais vêm do relógio
</source>
        <translation>norvika: NORVIKA_SEMENTE: invalid seed: &quot;%1&quot; (use a whole number from 0 to 4294967295); the initial weights come from the clock
</translation>
    </message>
</context>
</TS>
