#include "ULicoes.h"

// The lessons' texts are Portuguese, the program's source language, marked for translation: the
// windows show them through their translation ("ULicoes").
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace {

// The unfolding: a 10 x 10 map started in a corner of the square, online, Gaussian.
TConfiguracaoLab desdobramento(double raioInicial, double raioFinal) {
    TConfiguracaoLab c;
    c.grade = {10, 10, TTopologiaLab::retangular, false};
    c.vizinhanca = TVizinhancaLab::gaussiana;
    c.raio = {raioInicial, raioFinal};
    c.taxa = {0.5, 0.02};
    c.epocas = 30;
    c.modo = TModoLab::online;
    c.inicio = TInicioLab::canto;
    c.semente = 1;
    return c;
}

TPedidoDemonstracao demonstracao(TDemonstracao tipo, long padroes) {
    TPedidoDemonstracao p;
    p.tipo = tipo;
    p.padroes = padroes;
    p.semente = 1;
    return p;
}

// The textbook's batch map of iris: 6 x 8 hexagonal, Gaussian, started on the principal plane.
TConfiguracaoLab irisEmLote() {
    TConfiguracaoLab c;
    c.grade = {6, 8, TTopologiaLab::hexagonal, false};
    c.vizinhanca = TVizinhancaLab::gaussiana;
    c.raio = {4.0, 0.5};
    c.epocas = 20;
    c.modo = TModoLab::lote;
    c.inicio = TInicioLab::linear;
    c.semente = 1;
    return c;
}

std::vector<TLicao> criaLicoes() {
    std::vector<TLicao> l(6);

    l[0].titulo = QT_TRANSLATE_NOOP("ULicoes", "1. O vencedor e a vizinhança");
    l[0].texto = QT_TRANSLATE_NOOP(
        "ULicoes",
        "Cada padrão apresentado ao mapa escolhe um vencedor: o neurônio cujos pesos estão mais "
        "perto dele. O vencedor e os vizinhos dentro do raio andam um pouco na direção do "
        "padrão. Repetido milhares de vezes, esse passo simples organiza o mapa inteiro. Aqui "
        "você vê um passo de cada vez, com as 24 cores do arquivo cores.txt num mapa de 6 × 6.");
    l[0].observar = QT_TRANSLATE_NOOP(
        "ULicoes",
        "Preparar abre a janela clássica com cores.txt, um mapa de 6 × 6, vizinhança MANHATTAN "
        "de raio 2, taxa 0,5 e 10 ciclos, e liga o passo a passo do explorador na vista Cores. "
        "Clique em Treinar!: a cada passo o explorador mostra o padrão, o vencedor e os "
        "neurônios dentro do raio. Observe as cores das células mudarem e, depois de alguns "
        "ciclos, cores parecidas ficarem lado a lado.");
    l[0].perguntas = {
        {QT_TRANSLATE_NOOP("ULicoes",
                           "Quais neurônios mudam de peso quando um padrão é apresentado?"),
         QT_TRANSLATE_NOOP("ULicoes",
                           "O vencedor e todos os neurônios a uma distância de no máximo 2 (o "
                           "raio) dele no mapa; "
                           "os outros ficam como estavam.")},
        {QT_TRANSLATE_NOOP("ULicoes", "Um vizinho na borda do raio se move menos que o vencedor?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "Não, no treino clássico: todos dentro do raio andam a mesma fração (a taxa) do "
             "caminho até o padrão. A vizinhança gaussiana do laboratório é que faz os mais "
             "distantes andarem menos.")},
        {QT_TRANSLATE_NOOP("ULicoes", "Por que cores parecidas acabam vizinhas no mapa?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "Porque o vencedor arrasta os vizinhos junto: quem fica ao lado de um neurônio "
             "\"vermelho\" também é puxado para o vermelho, e o mapa vira um degradê.")},
    };
    l[0].exemplo = "cores.txt";
    TClassicaLicao cores;
    cores.linhas = 6;
    cores.colunas = 6;
    cores.vizinhanca = TVizinhancaLicao::manhattan;
    cores.raio = 2;
    cores.taxa = "0,5";
    cores.evolucao = 90;
    cores.ciclos = 10;
    cores.passoAPasso = true;
    cores.vista = TVistaLicao::cores;
    l[0].classica = cores;

    l[1].titulo = QT_TRANSLATE_NOOP("ULicoes", "2. O mapa se desdobra");
    l[1].texto = QT_TRANSLATE_NOOP(
        "ULicoes",
        "Um mapa de 10 × 10 começa todo embolado num canto de um quadrado de 500 pontos "
        "uniformes e, época a época, se abre até cobrir o quadrado como uma rede. É a "
        "demonstração mais conhecida do mapa de Kohonen: a ordem do mapa aparece sozinha, "
        "porque o raio começa grande (5) e diminui devagar (até 1).");
    l[1].observar = QT_TRANSLATE_NOOP(
        "ULicoes",
        "Preparar gera o quadrado e escolhe o treino no laboratório, na vista Rede no espaço. "
        "Clique em Treinar e depois em Reproduzir (ou arraste a barra): veja a rede sair do "
        "canto, se esticar e se abrir sem se cruzar. Anote os dois erros no alto da direita.");
    l[1].perguntas = {
        {QT_TRANSLATE_NOOP("ULicoes",
                           "O que acontece nas primeiras épocas, quando o raio ainda é grande?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "A rede inteira anda junta para o meio dos dados e se estica como um todo; os "
             "detalhes só aparecem quando o raio fica pequeno.")},
        {QT_TRANSLATE_NOOP("ULicoes", "Quanto valem os erros de quantização e topográfico no fim?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "Cerca de 0,049 e 0,02: quase nenhum padrão tem o segundo melhor neurônio longe do "
             "primeiro no mapa, ou seja, a rede não tem dobras.")},
        {QT_TRANSLATE_NOOP("ULicoes",
                           "Por que a rede não cobre os cantos do quadrado até a borda?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "Cada neurônio fica na média dos pontos que ganha (e dos vizinhos): os da borda "
             "ficam um pouco para dentro, onde está a média da sua região.")},
    };
    l[1].demonstracao = demonstracao(TDemonstracao::quadrado, 500);
    l[1].laboratorio = desdobramento(5.0, 1.0);

    l[2].titulo = QT_TRANSLATE_NOOP("ULicoes", "3. Raio e dobras");
    l[2].texto = QT_TRANSLATE_NOOP(
        "ULicoes",
        "O mesmo quadrado, o mesmo começo no canto, as mesmas épocas; só o raio muda: começa "
        "em 1 e vai até 0. Sem uma vizinhança larga no início, partes do mapa se ordenam cada "
        "uma para o seu lado e o mapa se dobra. O erro de quantização cai (cada neurônio se "
        "ajusta melhor aos seus pontos), mas o erro topográfico sobe muito.");
    l[2].observar = QT_TRANSLATE_NOOP(
        "ULicoes",
        "Treine, reproduza e compare com a lição 2 (selecione as duas execuções e clique em "
        "Comparar, se treinou as duas nesta janela). Procure os lugares onde a rede se cruza "
        "ou se torce.");
    l[2].perguntas = {
        {QT_TRANSLATE_NOOP("ULicoes", "Qual erro de quantização é menor, o da lição 2 ou o desta?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "O desta (cerca de 0,028 contra 0,049): com raio pequeno os neurônios ficam mais "
             "livres para se ajustar aos pontos.")},
        {QT_TRANSLATE_NOOP("ULicoes", "E o erro topográfico?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "O desta é várias vezes maior (cerca de 0,17 contra 0,02): vizinhos nos dados não "
             "são mais vizinhos no mapa, onde ele se dobrou.")},
        {QT_TRANSLATE_NOOP("ULicoes", "Então qual mapa é melhor?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "O da lição 2: um mapa dobrado representa os dados, mas não os ordena, e a ordem é "
             "o que o mapa de Kohonen oferece. Um erro sozinho não diz se o mapa é bom.")},
    };
    l[2].demonstracao = demonstracao(TDemonstracao::quadrado, 500);
    l[2].laboratorio = desdobramento(1.0, 0.0);

    l[3].titulo = QT_TRANSLATE_NOOP("ULicoes", "4. Dados reais");
    l[3].texto = QT_TRANSLATE_NOOP(
        "ULicoes",
        "As 150 flores de íris de Fisher vêm de uma planilha (iris.csv) com quatro medidas em "
        "centímetros e a espécie. Preparar importa a tabela com escore z (cada medida passa a "
        "ter média 0 e desvio 1, como em Dados → Importar dados) e treina num mapa hexagonal "
        "de 6 × 8 em lote.");
    l[3].observar = QT_TRANSLATE_NOOP(
        "ULicoes",
        "Treine e veja a Matriz-U: cada unidade tem a cor da sua distância média às "
        "vizinhas; as escuras (roxas) são parecidas com as vizinhas, as claras (verdes e "
        "amarelas) marcam fronteiras. Depois passe à vista Rótulos e clique em algumas "
        "unidades: os pesos aparecem também nos valores originais, em centímetros.");
    l[3].perguntas = {
        {QT_TRANSLATE_NOOP("ULicoes", "Quantos grupos a Matriz-U separa com clareza?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "Dois: a setosa fica isolada por uma faixa clara; versicolor e virginica ficam lado "
             "a lado, com uma fronteira fraca.")},
        {QT_TRANSLATE_NOOP("ULicoes", "Por que normalizar antes de treinar?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "Sem normalização, a medida de maior variação (o comprimento da pétala) pesaria mais "
             "na distância. Com o escore z as quatro medidas contam por igual.")},
        {QT_TRANSLATE_NOOP("ULicoes", "As espécies misturam em alguma unidade?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "Algumas unidades na fronteira entre versicolor e virginica ganham flores das duas: "
             "essas duas espécies se sobrepõem nas medidas.")},
    };
    l[3].exemplo = "iris.csv";
    l[3].normalizarZ = true;
    l[3].laboratorio = irisEmLote();
    l[3].vista = TVistaLicao::matrizU;

    l[4].titulo = QT_TRANSLATE_NOOP("ULicoes", "5. Clássico × laboratório");
    l[4].texto = QT_TRANSLATE_NOOP(
        "ULicoes",
        "O mesmo iris.txt (sem normalizar) em dois treinos: a janela clássica (mapa "
        "retangular de 6 × 8, GRID de raio 1, 100 ciclos, todos os vizinhos com a mesma taxa) "
        "e o laboratório (hexagonal de 6 × 8, gaussiana com raio de 4 até 0,5, 20 épocas em "
        "lote, começando no plano das componentes principais).");
    l[4].observar = QT_TRANSLATE_NOOP(
        "ULicoes",
        "Preparar põe as duas janelas prontas. Treine as duas e compare os erros (no "
        "explorador da clássica e à direita do laboratório) e os mapas de rótulos.");
    l[4].perguntas = {
        {QT_TRANSLATE_NOOP("ULicoes", "Qual treino dá o menor erro de quantização?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "O do laboratório: cerca de 0,303 contra 0,336 da clássica (semente 2026).")},
        {QT_TRANSLATE_NOOP("ULicoes", "E o erro topográfico?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "Os dois são pequenos: cerca de 0,02 no laboratório e 0,013 na clássica. Os dois "
             "mapas estão ordenados.")},
        {QT_TRANSLATE_NOOP("ULicoes", "Por que o laboratório precisa de tão menos épocas?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "O treino em lote leva cada unidade direto à média ponderada dos padrões da sua "
             "vizinhança, e o começo linear já parte de um mapa ordenado; o clássico anda uma "
             "fração da taxa a cada padrão, a partir de pesos sorteados.")},
    };
    l[4].exemplo = "iris.txt";
    TClassicaLicao iris;
    iris.linhas = 6;
    iris.colunas = 8;
    iris.vizinhanca = TVizinhancaLicao::grid;
    iris.raio = 1;
    iris.taxa = "0,5";
    iris.evolucao = 95;
    iris.ciclos = 100;
    iris.vista = TVistaLicao::rotulos;
    l[4].classica = iris;
    l[4].laboratorio = irisEmLote();
    l[4].vista = TVistaLicao::rotulos;

    l[5].titulo = QT_TRANSLATE_NOOP("ULicoes", "6. O caixeiro-viajante");
    l[5].texto = QT_TRANSLATE_NOOP(
        "ULicoes",
        "Um caixeiro precisa visitar 30 cidades e voltar ao início pelo caminho mais curto. "
        "Um anel de 90 unidades (um mapa de 1 × 90 toroidal, sem começo nem fim) começa num "
        "canto e é puxado pelas cidades; a vizinhança mantém o anel curto e liso. No fim, a "
        "ordem das cidades ao longo do anel é um percurso.");
    l[5].observar = QT_TRANSLATE_NOOP(
        "ULicoes",
        "Treine e reproduza na vista Rede no espaço: o anel se abre e encosta nas cidades. O "
        "percurso do anel aparece em laranja, com o seu comprimento e o de um percurso simples, "
        "que sempre vai à cidade mais próxima ainda não visitada.");
    l[5].perguntas = {
        {QT_TRANSLATE_NOOP("ULicoes", "Qual percurso é mais curto?"),
         QT_TRANSLATE_NOOP("ULicoes",
                           "O do anel: cerca de 4,66 contra 5,35 do vizinho mais próximo (uns 13 % "
                           "mais curto).")},
        {QT_TRANSLATE_NOOP("ULicoes", "Por que o anel tem mais unidades (90) que cidades (30)?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "Com folga, cada cidade acaba com uma unidade só sua e o anel pode fazer curvas entre "
             "elas; com poucas unidades, várias cidades dividiriam uma e a ordem entre elas se "
             "perderia.")},
        {QT_TRANSLATE_NOOP("ULicoes", "O anel acha sempre o menor percurso possível?"),
         QT_TRANSLATE_NOOP(
             "ULicoes",
             "Não: ele acha um percurso bom, em geral a poucos por cento do ótimo, mas sem "
             "garantia. Outra semente pode dar outro percurso.")},
    };
    l[5].demonstracao = demonstracao(TDemonstracao::cidades, 30);
    TConfiguracaoLab anel;
    anel.grade = {1, 90, TTopologiaLab::retangular, true};
    anel.vizinhanca = TVizinhancaLab::gaussiana;
    anel.raio = {10.0, 0.5};
    anel.taxa = {0.8, 0.02};
    anel.epocas = 300;
    anel.modo = TModoLab::online;
    anel.inicio = TInicioLab::canto;
    anel.semente = 1;
    l[5].laboratorio = anel;
    return l;
}

}  // namespace

const std::vector<TLicao>& licoes() {
    static const std::vector<TLicao> todas = criaLicoes();
    return todas;
}
