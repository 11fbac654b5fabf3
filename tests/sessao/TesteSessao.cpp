// What survives a command that ran to its end, failed part-way or was stopped, decided by the
// session document, driven without any window.

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "../comum/ArquivoTemporario.h"
#include "../comum/Zip.h"
#include "UErros.h"
#include "UNumeros.h"
#include "USessao.h"
#include "USessaoLab.h"

namespace {

// Twelve patterns of two values; `quebrada` makes the ninth line's first value unreadable.
std::string doze(bool quebrada = false) {
    std::string s = "12|2#\n";
    for (int i = 0; i < 12; ++i)
        s += (quebrada && i == 8 ? std::string("x") : std::to_string(i % 5)) + "|" +
             std::to_string(i % 3) + "|g" + std::to_string(i % 4) + "#\n";
    return s;
}

// Runs `f`, handing back what it threw.
template <class F>
std::exception_ptr retem(F&& f) {
    try {
        f();
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

// A session whose settings are those getConfiguracao leaves for a 3 x 4 map of that file.
void configura(TSessao& s, const std::string& arquivo) {
    TRede& r = s.rede();
    r.arquivoPadroes = arquivo;
    r.qtdPadroes = 12;
    r.dimensao = 2;
    r.qtdLinhas = 3;
    r.qtdColunas = 4;
    r.raio = 1;
    r.taxaAprendizado = 0.1;
    r.taxaEvolucao = 100;
    s.sementeFixa = 7;
}

struct Caso {
    const char* nome;
    bool quebrada;              // the file fails at its ninth pattern
    bool falhaCiclos;           // the cycle count did not convert
    std::int64_t pararNoPasso;  // a stop request at this step of the reading and gathering
    // Expected: the map in place, how many patterns it keeps, a failure, a training that ran.
    bool mapa;
    std::size_t padroes;
    bool falha;
    bool treinou;
};

TEST(Sessao, oQueFicaDeUmTreino) {
    defineSeparadorDecimal(',');
    PastaTemporaria pasta;
    const std::string bom = pasta.escreve("bom.txt", doze());
    const std::string quebrado = pasta.escreve("quebrado.txt", doze(true));
    const Caso casos[] = {
        {"completo", false, false, -1, true, 0, false, true},
        {"parado na leitura: nada fica", false, false, 5, false, 0, false, false},
        {"parado nos rótulos: nada fica", false, false, 16, false, 0, false, false},
        {"leitura que falha: o mapa e os padrões lidos ficam", true, false, -1, true, 8, true,
         false},
        {"ciclos que não convertem: o mapa e os padrões ficam", false, true, -1, true, 12, true,
         false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        TSessao sessao;
        configura(sessao, c.quebrada ? quebrado : bom);
        TTreino::TPedido pedido;
        pedido.vizinhanca = "GRID";
        pedido.porCiclos = true;
        pedido.ultimo = 4;
        if (c.falhaCiclos)
            pedido.falhaCiclos =
                std::make_exception_ptr(EConversao("'x' is not a valid integer value"));
        TTreino treino(sessao, pedido);
        TControle controle;
        if (c.pararNoPasso > 0) controle.pedeParadaNoPasso = c.pararNoPasso;
        const std::exception_ptr falha = retem([&] { treino.trabalha(controle); });
        TSessao::TResultadoTreino r;
        EXPECT_EQ(retem([&] { r = sessao.concluiTreino(treino, falha); }) != nullptr, c.falha);
        EXPECT_EQ(sessao.rede().existeMapa(), c.mapa);
        EXPECT_EQ(r.treinou, c.treinou);
        if (r.treinou) {
            EXPECT_TRUE(r.completo);
            sessao.fechaTreino(treino, r.completo);
            const auto dados = sessao.dados();
            ASSERT_TRUE(dados->erros.has_value());
            EXPECT_EQ(dados->curva.back().ciclo, 5);
            EXPECT_EQ(dados->legenda().size(), 4u);
            EXPECT_EQ(dados->semente, std::optional<std::uint32_t>(7));
        }
        EXPECT_EQ(sessao.rede().entradas.size(), c.padroes);
    }
}

// A classification stopped in any phase leaves the counts of the last pass; one that fails while
// reading keeps the patterns read before the failure.
TEST(Sessao, oQueFicaDeUmaClassificacao) {
    defineSeparadorDecimal(',');
    PastaTemporaria pasta;
    const std::string bom = pasta.escreve("bom.txt", doze());
    const std::string quebrado = pasta.escreve("quebrado.txt", doze(true));
    TSessao sessao;
    configura(sessao, bom);
    TTreino::TPedido pedido;
    pedido.vizinhanca = "GRID";
    TTreino treino(sessao, pedido);
    TControle c0;
    treino.trabalha(c0);
    sessao.fechaTreino(treino, sessao.concluiTreino(treino, nullptr).completo);
    std::vector<std::int32_t> antes;
    for (const auto& linha : sessao.rede().neuronios)
        for (const TNeuronio& n : linha) antes.push_back(n.getAglutinados());

    struct CasoC {
        const char* nome;
        const std::string* arquivo;
        std::int64_t pararNoPasso;
        bool completa, falha;
        std::size_t padroes;
    };
    const CasoC casos[] = {
        {"parada na leitura", &bom, 4, false, false, 0},
        {"parada na medida", &bom, 26, false, false, 0},
        {"falha na leitura", &quebrado, -1, false, true, 8},
        {"completa", &bom, -1, true, false, 0},
    };
    for (const CasoC& c : casos) {
        SCOPED_TRACE(c.nome);
        sessao.rede().arquivoPadroes = *c.arquivo;
        TClassificacao classificacao(sessao);
        TControle controle;
        if (c.pararNoPasso > 0) controle.pedeParadaNoPasso = c.pararNoPasso;
        const std::exception_ptr falha = retem([&] { classificacao.trabalha(controle); });
        TSessao::TResultadoClassificacao r;
        EXPECT_EQ(retem([&] { r = sessao.concluiClassificacao(classificacao, falha); }) != nullptr,
                  c.falha);
        EXPECT_EQ(r.completa, c.completa);
        EXPECT_EQ(sessao.rede().entradas.size(), c.padroes);
        std::vector<std::int32_t> depois;
        for (const auto& linha : sessao.rede().neuronios)
            for (const TNeuronio& n : linha) depois.push_back(n.getAglutinados());
        if (!c.completa) {
            EXPECT_EQ(depois, antes);
        }
        sessao.rede().desativaEntradas();
    }
}

// A load that fails part-way keeps the header's values and the map with the weights read so far;
// a stopped one keeps nothing.
TEST(Sessao, oQueFicaDeUmaCarga) {
    defineSeparadorDecimal(',');
    PastaTemporaria pasta;
    const std::string falha =
        pasta.escreve("falha.cfg", "2|2|1|1|GRID|5|1#\n0,5#\n0,25#\nx#\n1#\n");
    const std::string boa = pasta.escreve("boa.cfg", "2|2|1|1|GRID|5|1#\n0,5#\n0,25#\n0,75#\n1#\n");
    struct CasoL {
        const char* nome;
        const std::string* arquivo;
        std::int64_t pararNoPasso;
        bool mapa;
        std::int32_t linhas;
    };
    const CasoL casos[] = {
        {"falha no terceiro peso", &falha, -1, true, 2},
        {"parada", &boa, 3, false, 0},
        {"completa", &boa, -1, true, 2},
    };
    for (const CasoL& c : casos) {
        SCOPED_TRACE(c.nome);
        TSessao sessao;
        TCarga carga(sessao, *c.arquivo, "MANHATTAN");
        TControle controle;
        if (c.pararNoPasso > 0) controle.pedeParadaNoPasso = c.pararNoPasso;
        carga.trabalha(controle);
        if (carga.resultado().parada()) {
            EXPECT_FALSE(c.mapa);
            continue;
        }
        sessao.aplicaCabecalho(carga);
        sessao.colocaMapa(carga);
        EXPECT_EQ(sessao.rede().existeMapa(), c.mapa);
        EXPECT_EQ(sessao.rede().qtdLinhas, c.linhas);
        EXPECT_EQ(sessao.rede().neuronio(0, 1).getPeso(0), 0.25);
        EXPECT_EQ(sessao.rede().matrizDistancias[3], 2);  // MANHATTAN, chosen before the load
        EXPECT_EQ(carga.resultado().falha != nullptr, c.arquivo == &falha);
    }
}

}  // namespace

// The laboratory reads on its worker: a stop there (Parar while Gerar writes, or while a file is
// read) leaves the data, the map and the runs as they were, and so does a reading that fails.
TEST(SessaoLab, leituraParadaOuFalhaDeixaTudo) {
    PastaTemporaria pasta;
    TSessaoLab sessao;
    sessao.carrega(NORVIKA_EXEMPLOS "/iris.txt");
    TConfiguracaoLab c;
    c.grade = {3, 3, TTopologiaLab::hexagonal, false};
    c.modo = TModoLab::lote;
    c.epocas = 2;
    ASSERT_EQ(sessao.inicia(c), "");
    const auto espera = [&] {
        while (!sessao.conclui()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    espera();
    const std::vector<double> pesos = sessao.codebook().pesos;
    const auto igual = [&] {
        EXPECT_EQ(sessao.carga().dados.padroes(), 150u);
        EXPECT_EQ(sessao.codebook().pesos, pesos);
        EXPECT_EQ(sessao.execucoes().size(), 1u);
        EXPECT_FALSE(sessao.ocupada());
    };

    sessao.iniciaCarga([](TControle& controle) {
        controle.parar = true;
        return std::string(NORVIKA_EXEMPLOS "/animais.txt");
    });
    espera();
    EXPECT_TRUE(sessao.parado());
    EXPECT_FALSE(sessao.falha());
    igual();

    sessao.iniciaCarga([&](TControle&) { return pasta.arquivo("nao-existe.txt"); });
    espera();
    EXPECT_FALSE(sessao.parado());
    EXPECT_TRUE(sessao.falha());
    EXPECT_NE(sessao.erro().find("o arquivo não existe"), std::string::npos) << sessao.erro();
    igual();

    // A stepped training's start is made on the worker; the next step needs no other.
    c.modo = TModoLab::online;
    c.inicio = TInicioLab::linear;
    ASSERT_EQ(sessao.iniciaPassos(c), "");
    espera();
    EXPECT_TRUE(sessao.emPassos());
    EXPECT_FALSE(sessao.precisaPassos(c));
    EXPECT_EQ(sessao.passo(c), "");
}

// What each command keeps: a refused setting changes nothing; Parar keeps the map of the last
// complete epoch as a run marked stopped; new data, even of the same dimension, keep the runs and
// show no map (it was measured on other patterns).
TEST(SessaoLab, oQueCadaComandoMantem) {
    TSessaoLab sessao;
    sessao.carrega(NORVIKA_EXEMPLOS "/iris.txt");
    TConfiguracaoLab c;
    c.grade = {4, 4, TTopologiaLab::hexagonal, true};
    c.modo = TModoLab::lote;
    c.epocas = 3;
    const auto espera = [&] {
        while (!sessao.conclui()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    ASSERT_EQ(sessao.inicia(c), "");
    espera();
    const std::vector<double> pesos = sessao.codebook().pesos;

    TConfiguracaoLab recusada = c;
    recusada.epocas = 0;
    EXPECT_NE(sessao.inicia(recusada), "");
    EXPECT_FALSE(sessao.ocupada());
    EXPECT_EQ(sessao.codebook().pesos, pesos);
    EXPECT_EQ(sessao.execucoes().size(), 1u);

    TConfiguracaoLab longa = c;
    longa.epocas = kEpocasMaximasLab;
    ASSERT_EQ(sessao.inicia(longa), "");
    while (sessao.andamento().epocas < 1) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    sessao.para();
    espera();
    EXPECT_TRUE(sessao.parado());
    ASSERT_EQ(sessao.execucoes().size(), 2u);
    EXPECT_TRUE(sessao.execucoes().back().parada);
    EXPECT_TRUE(sessao.temMapa());
    EXPECT_NE(sessao.codebook().pesos, pesos);

    sessao.carrega(NORVIKA_EXEMPLOS "/iris.csv");
    EXPECT_FALSE(sessao.temMapa());
    EXPECT_EQ(sessao.execucoes().size(), 2u);
    EXPECT_FALSE(sessao.mapa()->erros.has_value());
}

// A run of other data reopens with its own: its map, labels and points, the session's data
// back to them; data read again unchanged are the runs' own.
TEST(SessaoLab, execucaoDeOutrosDadosReabreComOsSeus) {
    TSessaoLab sessao;
    sessao.carrega(NORVIKA_EXEMPLOS "/iris.txt");
    TConfiguracaoLab c;
    c.grade = {3, 4, TTopologiaLab::hexagonal, false};
    c.modo = TModoLab::lote;
    c.epocas = 3;
    ASSERT_EQ(sessao.inicia(c), "");
    while (!sessao.conclui()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const auto iris = sessao.dados();
    const std::shared_ptr<const TDadosMapa> treinado = sessao.mapa();

    sessao.carrega(NORVIKA_EXEMPLOS "/animais.txt");
    ASSERT_TRUE(sessao.deOutrosDados(0));
    EXPECT_EQ(sessao.codebookDe(0).pesos, codebookDoMapaLab(*treinado, c).pesos);

    sessao.reabre(0);
    EXPECT_EQ(sessao.dados(), iris);
    EXPECT_EQ(sessao.carga().dados.padroes(), 150u);
    EXPECT_TRUE(sessao.arquivo().ends_with("/iris.txt"));
    EXPECT_FALSE(sessao.deOutrosDados(0));
    ASSERT_TRUE(sessao.temMapa());
    EXPECT_EQ(sessao.mapa()->padroes, iris->extras);
    EXPECT_EQ(sessao.mapa()->vencedorDoPadrao, treinado->vencedorDoPadrao);
    ASSERT_TRUE(sessao.mapa()->erros.has_value());
    EXPECT_EQ(sessao.mapa()->erros->quantizacao, treinado->erros->quantizacao);

    sessao.carrega(NORVIKA_EXEMPLOS "/animais.txt");
    sessao.carrega(NORVIKA_EXEMPLOS "/iris.txt");
    EXPECT_EQ(sessao.dados(), iris);
    EXPECT_FALSE(sessao.deOutrosDados(0));
}

// A seed beyond 2^53 keeps every bit in a run, its codebook's comment and the comparison.
TEST(SessaoLab, sementeDe64BitsIntacta) {
    TSessaoLab sessao;
    sessao.carrega(NORVIKA_EXEMPLOS "/iris.txt");
    TConfiguracaoLab c;
    c.grade = {2, 3, TTopologiaLab::retangular, false};
    c.epocas = 1;
    c.semente = 18446744073709551615u;
    ASSERT_EQ(sessao.inicia(c), "");
    while (!sessao.conclui()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(sessao.execucoes().at(0).config.semente, c.semente);
    const std::string comentario = sessao.codebookDe(0).comentarios.at(0);
    EXPECT_NE(comentario.find(" semente=18446744073709551615"), std::string::npos) << comentario;
    TConfiguracaoLab vizinha = c;
    --vizinha.semente;
    EXPECT_EQ(diferencasLab(c, vizinha), std::vector<std::string>{"Semente"});
}

// "Abrir…" reads even the first line on the worker: a table is left to the import dialog with
// everything as it was, and a first line that runs on for megabytes stops at Parar.
TEST(SessaoLab, aberturaLeOCabecalhoNoTrabalhador) {
    PastaTemporaria pasta;
    TSessaoLab sessao;
    sessao.carrega(NORVIKA_EXEMPLOS "/iris.txt");
    const auto espera = [&] {
        while (!sessao.conclui()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };

    const std::string tabela = pasta.escreve("tabela.csv", "a,b,rotulo\n1,2,x\n3,4,y\n");
    sessao.iniciaCarga([&](TControle&) { return tabela; }, true);
    espera();
    EXPECT_TRUE(sessao.precisaImportar());
    EXPECT_FALSE(sessao.parado());
    EXPECT_FALSE(sessao.falha());
    EXPECT_EQ(sessao.carga().dados.padroes(), 150u);

    const std::string padroes = pasta.escreve("doze.txt", doze());
    sessao.iniciaCarga([&](TControle&) { return padroes; }, true);
    espera();
    EXPECT_FALSE(sessao.precisaImportar());
    EXPECT_FALSE(sessao.parado());
    EXPECT_EQ(sessao.carga().dados.padroes(), 12u);

    const std::string longa = pasta.escreve("longa.txt", std::string(std::size_t{8} << 20, '7'));
    sessao.iniciaCarga(
        [&](TControle& controle) {
            controle.pedeParadaNoPasso = controle.passos() + 3;  // in the first line's third MiB
            return longa;
        },
        true);
    espera();
    EXPECT_TRUE(sessao.parado());
    EXPECT_FALSE(sessao.precisaImportar());
    EXPECT_EQ(sessao.carga().dados.padroes(), 12u);
}

// A session saved, opened and saved again gives the same bytes: the runs of two data sets with
// their replays and the map shown come back as they were. A damaged or truncated file is refused
// with a message and leaves the session as it was.
TEST(SessaoLab, sessaoGravadaEReabertaIgual) {
    PastaTemporaria pasta;
    TSessaoLab sessao;
    const auto treina = [&](const TConfiguracaoLab& c) {
        ASSERT_EQ(sessao.inicia(c), "");
        while (!sessao.conclui()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    TConfiguracaoLab c;
    c.grade = {4, 3, TTopologiaLab::hexagonal, true};
    c.epocas = 4;
    sessao.carrega(NORVIKA_EXEMPLOS "/animais.txt");
    treina(c);
    sessao.carrega(NORVIKA_EXEMPLOS "/iris.txt");
    c.modo = TModoLab::lote;
    c.semente = 18446744073709551615u;
    treina(c);
    c.grade = {1, 9, TTopologiaLab::retangular, true};
    treina(c);
    sessao.renomeia(1, "Lote %0A\nduas linhas");
    sessao.reabre(1);
    ASSERT_TRUE(sessao.alterada());
    const std::string primeira = pasta.arquivo("aula.norvika-lab");
    sessao.salva(primeira, {{"vista", "matrizU"}, {"escolhidas", "0,1"}});
    EXPECT_FALSE(sessao.alterada());

    TSessaoLab aberta;
    aberta.abreSessao(primeira);
    ASSERT_EQ(aberta.execucoes().size(), 3u);
    EXPECT_EQ(aberta.execucoes()[1].nome, "Lote %0A\nduas linhas");
    EXPECT_EQ(aberta.execucoes()[1].config, sessao.execucoes()[1].config);
    EXPECT_TRUE(aberta.deOutrosDados(0));
    EXPECT_FALSE(aberta.deOutrosDados(2));
    EXPECT_EQ(aberta.execucoes()[1].dados, aberta.execucoes()[2].dados);
    EXPECT_EQ(aberta.codebook().pesos, sessao.codebook().pesos);
    EXPECT_EQ(aberta.mapa()->erros->quantizacao, sessao.mapa()->erros->quantizacao);
    EXPECT_EQ(aberta.mapa()->vencedorDoPadrao, sessao.mapa()->vencedorDoPadrao);
    EXPECT_EQ(aberta.quadros(), sessao.quadros());
    EXPECT_TRUE(aberta.execucoes()[2].mapa->percurso.has_value());
    EXPECT_EQ(aberta.janela().at(0).second, "matrizU");
    const std::string segunda = pasta.arquivo("de-novo.norvika-lab");
    aberta.salva(segunda, aberta.janela());
    const std::string bytes = PastaTemporaria::le(primeira);
    EXPECT_EQ(PastaTemporaria::le(segunda), bytes);

    const auto recusado = [&](const std::string& conteudo) {
        const std::string ruim = pasta.escreve("ruim.norvika-lab", conteudo);
        const std::exception_ptr e = retem([&] { aberta.abreSessao(ruim); });
        EXPECT_TRUE(e != nullptr);
        EXPECT_EQ(aberta.execucoes().size(), 3u);
        EXPECT_EQ(aberta.codebook().pesos, sessao.codebook().pesos);
    };
    for (const std::size_t tamanho :
         {std::size_t{0}, std::size_t{30}, bytes.size() / 2, bytes.size() - 1})
        recusado(bytes.substr(0, tamanho));
    // Parts that say other than the rest, a part missing, a newer format.
    struct Dano {
        const char* parte;
        std::function<void(std::string&)> muda;
        const char* mensagem;
    };
    const auto troca = [](const char* de, const char* para) {
        return [=](std::string& t) {
            const std::size_t onde = t.find(de);
            ASSERT_NE(onde, std::string::npos) << de;
            t.replace(onde, std::strlen(de), para);
        };
    };
    const std::vector<Dano> danos = {
        {"manifesto.txt", troca("versao 1", "versao 2"), "versão mais nova"},
        {"manifesto.txt", troca("execucoes 3", "execucoes 9"), "falta a parte execucoes/3"},
        {"execucoes/1/pesos.f64", [](std::string& t) { t.pop_back(); }, "tamanho errado"},
        {"execucoes/0/info.txt", troca("dados 1", "dados 7"), "inválido"},
        {"dados/1/rotulos.i32", [](std::string& t) { t[4] = 99; }, "fora da legenda"},
        {"execucoes/2/info.txt", troca("\nlinhas ", "\nLinhas "), "não diz"},
        {"execucoes/2/curva.f64", nullptr, "falta a parte execucoes/2/curva.f64"},
    };
    const TPartesZip partes = leZip(primeira);
    for (const Dano& dano : danos) {
        TPartesZip outras;
        for (const auto& [nome, conteudo] : partes) {
            if (nome != dano.parte) {
                outras.emplace_back(nome, conteudo);
            } else if (dano.muda) {
                outras.emplace_back(nome, conteudo);
                dano.muda(outras.back().second);
            }
        }
        const std::string ruim = pasta.arquivo("danificada.norvika-lab");
        escreveZip(ruim, outras);
        try {
            aberta.abreSessao(ruim);
            ADD_FAILURE() << dano.parte << ": aberta";
        } catch (const ESessaoLab& e) {
            EXPECT_NE(std::string(e.what()).find(dano.mensagem), std::string::npos) << e.what();
        }
        EXPECT_EQ(aberta.execucoes().size(), 3u);
    }
}

// A codebook written by a run brings its training's settings back when opened (through its text,
// as a file does); one without them brings none.
TEST(SessaoLab, mapaAbertoTrazOsAjustesDoSeuTreino) {
    TSessaoLab sessao;
    sessao.carrega(NORVIKA_EXEMPLOS "/iris.txt");
    TConfiguracaoLab c;
    c.grade = {4, 5, TTopologiaLab::retangular, true};
    c.vizinhanca = TVizinhancaLab::bolha;
    c.raio = {3.25, 0.5};
    c.taxa = {0.3, 0.001};
    c.decaimento = TDecaimentoLab::exponencial;
    c.ordem = TOrdemLab::arquivo;
    c.inicio = TInicioLab::linear;
    c.epocas = 3;
    c.semente = 18446744073709551615u;
    ASSERT_EQ(sessao.inicia(c), "");
    while (!sessao.conclui()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    TCodebook lido = leCodebookDeTexto(textoDoCodebook(sessao.codebook()));
    TSessaoLab outra;
    outra.carrega(NORVIKA_EXEMPLOS "/iris.txt");
    outra.defineMapa(lido);
    ASSERT_TRUE(outra.configuracaoDoMapa().has_value());
    EXPECT_EQ(*outra.configuracaoDoMapa(), c);
    // The errors shown are those the file records, whatever the data open say.
    lido.comentarios.at(1) = "norvika-lab erro_quantizacao=0.125 erro_topografico=0.5";
    outra.defineMapa(lido);
    ASSERT_TRUE(outra.mapa()->erros.has_value());
    EXPECT_EQ(outra.mapa()->erros->quantizacao, 0.125);
    EXPECT_EQ(outra.mapa()->erros->topografico, 0.5);
    lido.comentarios.clear();
    outra.defineMapa(lido);
    EXPECT_FALSE(outra.configuracaoDoMapa().has_value());
    EXPECT_EQ(outra.mapa()->erros->quantizacao, sessao.mapa()->erros->quantizacao);
}
