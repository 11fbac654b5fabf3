// norvika-gera-dados: writes the demonstration data and the benchmark workloads as pattern files.
// The output depends only on the arguments (see UDemonstracoes.h).
//
//   norvika-gera-dados TIPO ARQUIVO [--padroes N] [--dimensao D] [--grupos G] [--semente S]

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "UDemonstracoes.h"
#include "UGravacao.h"

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
        "  --padroes N    quantidade de padrões (1 a 10000000)\n"
        "  --dimensao D   valores por padrão (gaussianas e pixels; 1 a 100000)\n"
        "  --grupos G     quantidade de grupos (gaussianas; padrão 10; 1 a 10000)\n"
        "  --semente S    semente do gerador (padrão 1)\n"
        "  -h, --help     mostra esta ajuda e sai\n",
        tipos.c_str());
    std::exit(0);
}

// A whole number, all of the text: "abc", "12x", "" and values past the type are refused.
template <class T>
T numeroDaOpcao(std::string_view opcao, std::string_view texto) {
    T v{};
    const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), v);
    if (texto.empty() || r.ec != std::errc() || r.ptr != texto.data() + texto.size()) {
        std::fprintf(stderr, "norvika-gera-dados: %.*s: \"%.*s\" %s.\n",
                     static_cast<int>(opcao.size()), opcao.data(), static_cast<int>(texto.size()),
                     texto.data(),
                     r.ec == std::errc::result_out_of_range && r.ptr == texto.data() + texto.size()
                         ? "é grande demais"
                         : "não é um número inteiro");
        std::exit(2);
    }
    return v;
}

}  // namespace

int main(int argc, char** argv) {
    apagaTemporariosAoTerminar();
    if (argc >= 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h"))
        ajuda();
    if (argc < 3 || (argc - 3) % 2 != 0) uso();
    const std::optional<TDemonstracao> tipo = demonstracaoPeloNome(argv[1]);
    if (!tipo) uso();
    TPedidoDemonstracao pedido;
    pedido.tipo = *tipo;
    const std::string arquivo = argv[2];
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string_view a = argv[i], v = argv[i + 1];
        if (a == "--padroes")
            pedido.padroes = numeroDaOpcao<long>(a, v);
        else if (a == "--dimensao")
            pedido.dimensao = numeroDaOpcao<long>(a, v);
        else if (a == "--grupos")
            pedido.grupos = numeroDaOpcao<long>(a, v);
        else if (a == "--semente")
            pedido.semente = numeroDaOpcao<std::uint64_t>(a, v);
        else
            uso();
    }
    if (const std::string problema = problemaDoPedido(pedido); !problema.empty()) {
        std::fprintf(stderr, "norvika-gera-dados: %s\n", problema.c_str());
        return 2;
    }
    // Through the program's safe writer: a full disk, a pipe or a missing folder leaves whatever
    // was at that name as it was.
    try {
        TSaidaSegura f(arquivo);
        escreveDemonstracao(pedido, f);
        f.conclui();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "norvika-gera-dados: não foi possível gravar \"%s\": %s\n",
                     arquivo.c_str(), e.what());
        return 1;
    }
    return 0;
}
