#include "UArquivoRede.h"

#include <cfloat>

#include "UErros.h"
#include "UGravacao.h"
#include "ULeitorLinhas.h"
#include "ULimites.h"
#include "UNumeros.h"
#include "UTraducao.h"

namespace {

// Cuts the next field off `resto`, up to `separador`.
std::string_view proximoCampo(std::string_view& resto, char separador) {
    const std::size_t fim = resto.find(separador);
    if (fim == std::string_view::npos)
        throw EFormatoArquivo(mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "Falta o separador \"%1\" no arquivo de treinamento."),
            {std::string(1, separador)}));
    const std::string_view campo = resto.substr(0, fim);
    resto.remove_prefix(fim + 1);
    return campo;
}

}  // namespace

TCabecalhoRede separaCabecalhoRede(std::string_view linha) {
    TCabecalhoRede c;
    std::string_view resto = linha;
    c.linhas = textoParaInteiro(proximoCampo(resto, '|'));
    c.colunas = textoParaInteiro(proximoCampo(resto, '|'));
    c.dimensao = textoParaInteiro(proximoCampo(resto, '|'));
    c.raio = textoParaInteiro(proximoCampo(resto, '|'));
    c.vizinhanca = std::string(proximoCampo(resto, '|'));
    c.qtdPadroes = textoParaInteiro(proximoCampo(resto, '|'));
    c.dimensao = textoParaInteiro(proximoCampo(resto, '#'));
    if (c.linhas < 1 || c.colunas < 1 || c.dimensao < 0)
        throw EFormatoArquivo(mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "Tamanho de mapa inválido no arquivo de treinamento.")));
    return c;
}

double lePeso(std::string_view campo) {
    // The largest double has the 15-digit text 1,79769313486232E308, which lies above the double
    // range: a network saved with a weight of that magnitude holds exactly that text, and it
    // reads back as the largest double. Every other value beyond the range stays a failure.
    constexpr long double kMaiorEscrito = 1.79769313486232e308L;
    const long double valor = textoParaReal(campo);
    if (valor == kMaiorEscrito) return DBL_MAX;
    if (valor == -kMaiorEscrito) return -DBL_MAX;
    return armazenaReal(valor);
}

void lePesosNeuronio(std::string_view linha, std::int32_t dimensao, TNeuronio& neuronio) {
    std::size_t pos = 0;
    for (std::int32_t k = 0; k < dimensao; ++k) {
        const std::size_t fim = linha.find_first_of("|#", pos);
        if (fim == std::string_view::npos)
            throw EFormatoArquivo(mensagem(QT_TRANSLATE_NOOP(
                "Mensagens", "Faltam pesos numa linha do arquivo de treinamento.")));
        neuronio.setPeso(k, lePeso(linha.substr(pos, fim - pos)));
        pos = fim + 1;
    }
}

TCargaRede carregaRede(const std::string& caminho, const std::string& vizinhanca,
                       TGeradorAleatorio& gerador, TRede& nova, TControle* controle) {
    TCargaRede carga;
    try {
        TLeitorLinhas leitor(caminho, controle);
        const TCabecalhoRede cabecalho = separaCabecalhoRede(leitor.proximoCabecalho(6, 0));
        // A map that could not fit is refused before anything changes.
        if (bytesDoMapa(cabecalho.linhas, cabecalho.colunas, cabecalho.dimensao) > kTetoMapaBytes) {
            carga.grandeDemais = true;
            carga.cabecalho = cabecalho;
            return carga;
        }
        carga.cabecalho = cabecalho;
        nova.qtdLinhas = cabecalho.linhas;
        nova.qtdColunas = cabecalho.colunas;
        nova.raio = cabecalho.raio;
        nova.qtdPadroes = cabecalho.qtdPadroes;
        nova.dimensao = cabecalho.dimensao;
        nova.inicializaNeuronios(gerador, vizinhanca);
        carga.mapaPronto = true;
        std::int64_t lidos = 0;
        for (std::int32_t i = 0; i < nova.linhasMapa(); ++i)
            for (std::int32_t j = 0; j < nova.colunasMapa(); ++j) {
                if (controle != nullptr) {
                    if (controle->passo()) return carga;
                    controle->anotaPadroes(lidos++);
                }
                lePesosNeuronio(leitor.proximaLinha(), nova.dimensao, nova.neuronio(i, j));
            }
        carga.completa = true;
    } catch (const EInterrompido&) {
    } catch (...) {
        carga.falha = std::current_exception();
    }
    return carga;
}

std::string textoRede(const TRede& rede, std::string_view textoRaio,
                      std::string_view textoVizinhanca) {
    std::string s;
    // The size comes from the map itself, so the header always matches the neuron lines below.
    const std::string campos[] = {
        inteiroParaTexto(rede.linhasMapa()), inteiroParaTexto(rede.colunasMapa()),
        inteiroParaTexto(rede.dimensao),     std::string(textoRaio),
        std::string(textoVizinhanca),        inteiroParaTexto(rede.qtdPadroes),
        inteiroParaTexto(rede.dimensao)};
    for (const std::string& campo : campos) {
        s += campo;
        s += '|';
    }
    s.back() = '#';
    s += "\r\n";
    for (const auto& linha : rede.neuronios)
        for (const TNeuronio& n : linha) {
            const std::int32_t d = n.getQtdPesos();
            for (std::int32_t k = 0; k < d; ++k) {
                s += realParaTexto(n.getPeso(k));
                s += k + 1 < d ? '|' : '#';
            }
            s += "\r\n";
        }
    return s;
}

void salvaRede(const std::string& caminho, const TRede& rede, std::string_view textoRaio,
               std::string_view textoVizinhanca) {
    gravaArquivo(caminho, textoRede(rede, textoRaio, textoVizinhanca));
}
