// The laboratory session as a file: the document it is saved as, and a document read put in its
// place (its data measured, its runs' maps measured on them, on the worker).

#include <algorithm>

#include "USessaoLab.h"

TDocumentoLab TSessaoLab::documento(std::vector<std::pair<std::string, std::string>> janela) const {
    TDocumentoLab d;
    // Each data set once: the data open first, then the runs', in the runs' order.
    std::vector<const TDadosSessaoLab*> vistos;
    const auto indiceDe = [&](const std::shared_ptr<const TDadosSessaoLab>& dados,
                              const std::string& arquivo) {
        const auto i = std::find(vistos.begin(), vistos.end(), dados.get());
        if (i != vistos.end()) return static_cast<std::size_t>(i - vistos.begin());
        vistos.push_back(dados.get());
        d.dados.push_back({dados->carga, arquivo});
        return d.dados.size() - 1;
    };
    if (temDados()) d.dadosAtuais = indiceDe(dados_, arquivo_);
    for (std::size_t i = 0; i < execucoes_.size(); ++i) {
        const TExecucaoLab& e = execucoes_[i];
        TDocumentoLab::TExecucao x;
        x.nome = e.nome;
        x.dados = indiceDe(e.dados, e.arquivo);
        x.arquivo = e.arquivo;
        x.config = e.config;
        x.pesos = e.pesos;
        x.epocas = e.epocas;
        x.parada = e.parada;
        x.segundos = e.segundos;
        for (const TPontoCurva& p : e.mapa->curva)
            x.curva.push_back({p.erros.quantizacao, p.erros.topografico});
        x.reprisa = e.reprisa;
        d.execucoes.push_back(std::move(x));
        if (mapa_ && mapaDaExecucao_ == e.mapa) d.execucaoMostrada = i;
    }
    // A map that is no run (a codebook, a step of a stepped training) is kept as its weights.
    if (mapa_ && !d.execucaoMostrada && temDados())
        d.mapa = TDocumentoLab::TMapaSolto{grade_, pesos_};
    d.treinos = treinos_;
    d.janela = std::move(janela);
    return d;
}

void TSessaoLab::salva(const std::string& caminho,
                       std::vector<std::pair<std::string, std::string>> janela) {
    gravaSessaoLab(documento(std::move(janela)), caminho);
    alterada_ = false;
}

TSessaoLab::TSessaoLida TSessaoLab::preparaSessao(TDocumentoLab doc, TControle* controle) const {
    TSessaoLida lida;
    std::vector<std::optional<double>> vizinhoMaisProximo(doc.dados.size());
    for (TDocumentoLab::TDados& d : doc.dados) {
        auto dados = std::make_shared<TDadosSessaoLab>();
        dados->extras = extrasDosDadosLab(d.carga, controle);
        dados->carga = std::move(d.carga);
        lida.dados.push_back(std::move(dados));
    }
    for (TDocumentoLab::TExecucao& x : doc.execucoes) {
        const TDadosSessaoLab& dados = *lida.dados[x.dados];
        TResultadoLab r = medeLab(dados.carga.dados, x.config.grade, x.pesos, 0, controle);
        r.curva = x.curva;
        r.completo = !x.parada;
        r.epocas = x.epocas;
        auto mapa = dadosDoMapaLab(x.config.grade, dados.carga.dados, r, dados.extras);
        poePercurso(*mapa, x.config.grade, r, dados, vizinhoMaisProximo[x.dados]);
        mapa->origem = origemDe(x.config, x.arquivo, x.epocas);
        TExecucaoLab e;
        e.nome = std::move(x.nome);
        e.config = std::move(x.config);
        e.pesos = std::move(x.pesos);
        e.mapa = std::move(mapa);
        e.segundos = x.segundos;
        e.epocas = x.epocas;
        e.parada = x.parada;
        e.reprisa = std::move(x.reprisa);
        e.dados = lida.dados[x.dados];
        e.arquivo = std::move(x.arquivo);
        lida.execucoes.push_back(std::move(e));
    }
    if (doc.mapa) {
        const TDadosSessaoLab& dados = *lida.dados[*doc.dadosAtuais];
        const TResultadoLab r =
            medeLab(dados.carga.dados, doc.mapa->grade, doc.mapa->pesos, 0, controle);
        lida.mapaSolto = dadosDoMapaLab(doc.mapa->grade, dados.carga.dados, r, dados.extras);
        poePercurso(*lida.mapaSolto, doc.mapa->grade, r, dados,
                    vizinhoMaisProximo[*doc.dadosAtuais]);
    }
    lida.documento = std::move(doc);
    return lida;
}

void TSessaoLab::instalaSessao(TSessaoLida lida) {
    const TDocumentoLab& doc = lida.documento;
    esqueceMapa();
    execucoes_ = std::move(lida.execucoes);
    dados_ =
        doc.dadosAtuais ? lida.dados[*doc.dadosAtuais] : std::make_shared<const TDadosSessaoLab>();
    arquivo_ = doc.dadosAtuais ? doc.dados[*doc.dadosAtuais].arquivo : std::string();
    treinos_ = doc.treinos;
    if (doc.execucaoMostrada) {
        reabre(*doc.execucaoMostrada);
    } else if (doc.mapa) {
        grade_ = doc.mapa->grade;
        pesos_ = doc.mapa->pesos;
        mapa_ = std::move(lida.mapaSolto);
    }
    janela_ = std::move(lida.documento.janela);
    alterada_ = false;
}

void TSessaoLab::iniciaSessao(const std::string& caminho) {
    if (ocupada()) throw std::logic_error("sessão aberta durante outro trabalho");
    iniciaTrabalho(TTarefa::sessao, [this, caminho](std::string& lendo) {
        lendo = caminho;
        sessaoLida_ = preparaSessao(leSessaoLab(caminho, &controle_), &controle_);
    });
}

void TSessaoLab::abreSessao(const std::string& caminho) {
    if (ocupada()) throw std::logic_error("sessão aberta durante outro trabalho");
    instalaSessao(preparaSessao(leSessaoLab(caminho), nullptr));
}
