<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
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
        <source>O que o mapa mostra: rótulos, acertos, matriz-U, planos de componentes, cores, a rede no espaço dos dados ou a curva de erro.</source>
        <translation>What the map shows: labels, hits, U-matrix, component planes, colors, the net in input space, or the error curve.</translation>
    </message>
    <message>
        <source>Linha 1 embaixo</source>
        <translation>Row 1 at bottom</translation>
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
</context>
<context>
    <name>TManual</name>
    <message>
        <source>Manual do Norvika</source>
        <translation>Norvika Manual</translation>
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
    <name>main</name>
    <message>
        <source>norvika: %1
Use &quot;norvika --help&quot; para ver as opções.
</source>
        <translation>norvika: %1
Use &quot;norvika --help&quot; to see the options.
</translation>
    </message>
</context>
</TS>
