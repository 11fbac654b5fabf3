# Trains R's kohonen (online mode) as close as its interface allows to a norvika-bench run, and
# prints the training time alone as `treino_s=`. Called by cargas.sh --par.
#   Rscript bench/par_kohonen.R FILE LINHAS COLUNAS RAIO CICLOS TAXA EVOLUCAO DECREMENTA(0|1)
# kohonen lowers the rate and the radius linearly from the first value to the second over the
# run; the rate's end is the one the program's per-cycle factor reaches, and a decremented radius
# ends at zero. Its bubble neighbourhood on a rectangular grid measures Euclidean grid distance.
suppressMessages(library(kohonen))
a <- commandArgs(TRUE)
linhas <- as.integer(a[2]); colunas <- as.integer(a[3]); raio <- as.numeric(a[4])
ciclos <- as.integer(a[5]); taxa <- as.numeric(sub(",", ".", a[6])); evolucao <- as.numeric(a[7])
decrementa <- a[8] == "1"

texto <- readLines(a[1])
d <- as.integer(sub("#.*", "", strsplit(texto[1], "|", fixed = TRUE)[[1]][2]))
campos <- strsplit(sub("#.*", "", texto[-1]), "|", fixed = TRUE)
x <- matrix(as.numeric(gsub(",", ".", unlist(lapply(campos, `[`, seq_len(d))))), ncol = d, byrow = TRUE)

set.seed(1)
grade <- somgrid(xdim = colunas, ydim = linhas, topo = "rectangular", neighbourhood.fct = "bubble")
# Starting weights drawn from the patterns, with repetition: a small file has fewer patterns than
# the map has neurons.
pesos <- x[sample(nrow(x), linhas * colunas, replace = TRUE), , drop = FALSE]
inicio <- proc.time()[["elapsed"]]
mapa <- som(x, grid = grade, rlen = ciclos, mode = "online", keep.data = FALSE, init = pesos,
            alpha = c(taxa, taxa * (evolucao / 100)^(ciclos - 1)),
            radius = c(raio, if (decrementa) 0 else raio), normalizeDataLayers = FALSE)
cat(sprintf("treino_s=%.4f\n", proc.time()[["elapsed"]] - inicio))
