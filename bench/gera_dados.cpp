// norvika-gera-dados: writes the demonstration data and the benchmark workloads as pattern files.
// The output depends only on the arguments (see UDemonstracoes.h).
//
//   norvika-gera-dados TIPO ARQUIVO [--padroes N] [--dimensao D] [--grupos G] [--semente S]

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "UDemonstracoes.h"

namespace {

[[noreturn]] void uso() {
    std::string tipos;
    for (const TInfoDemonstracao& info : kDemonstracoes)
        tipos += (tipos.empty() ? "" : "|") + std::string(info.nome);
    std::fprintf(stderr,
                 "uso: norvika-gera-dados %s ARQUIVO [--padroes N] [--dimensao D] [--grupos G] "
                 "[--semente S]\n",
                 tipos.c_str());
    std::exit(2);
}

void ajuda() {
    std::string tipos;
    for (const TInfoDemonstracao& info : kDemonstracoes) {
        std::string linha = "  " + std::string(info.nome);
        linha.resize(15, ' ');
        linha += info.descricao;
        linha += "\n               (padrão: " + std::to_string(info.padroes) + " padrões";
        if (info.dimensao > 0) linha += ", dimensão " + std::to_string(info.dimensao);
        if (info.tipo == TDemonstracao::gaussianas) linha += ", 10 grupos";
        tipos += linha + ")\n";
    }
    std::printf(
        "Uso: norvika-gera-dados TIPO ARQUIVO [--padroes N] [--dimensao D] [--grupos G]\n"
        "                        [--semente S]\n"
        "Grava em ARQUIVO um arquivo de padrões do Norvika. O conteúdo depende só dos\n"
        "argumentos: os mesmos bytes em qualquer máquina.\n"
        "\n"
        "Tipos:\n"
        "%s"
        "\n"
        "Opções:\n"
        "  --padroes N    quantidade de padrões\n"
        "  --dimensao D   valores por padrão (gaussianas e pixels)\n"
        "  --grupos G     quantidade de grupos (gaussianas; padrão 10)\n"
        "  --semente S    semente do gerador (padrão 1)\n"
        "  -h, --help     mostra esta ajuda e sai\n",
        tipos.c_str());
    std::exit(0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h"))
        ajuda();
    if (argc < 3) uso();
    const std::optional<TDemonstracao> tipo = demonstracaoPeloNome(argv[1]);
    if (!tipo) uso();
    TPedidoDemonstracao pedido;
    pedido.tipo = *tipo;
    const char* arquivo = argv[2];
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string_view a = argv[i];
        const long v = std::atol(argv[i + 1]);
        if (a == "--padroes")
            pedido.padroes = v;
        else if (a == "--dimensao")
            pedido.dimensao = v;
        else if (a == "--grupos")
            pedido.grupos = v;
        else if (a == "--semente")
            pedido.semente = static_cast<std::uint64_t>(v);
        else
            uso();
    }
    if ((argc - 3) % 2 != 0) uso();
    std::ofstream f(arquivo, std::ios::binary);
    if (!f) {
        std::fprintf(stderr, "norvika-gera-dados: não foi possível criar %s\n", arquivo);
        return 1;
    }
    escreveDemonstracao(pedido, f);
    return f.good() ? 0 : 1;
}
