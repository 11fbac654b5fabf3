# Trains R's kohonen with the settings of a norvika-lab run and prints its training time and both
# errors, measured with norvika-lab's definitions. Called by cargas.sh --par-lab and for the
# side-by-side figures.
#   Rscript bench/par_lab.R FILE LINHAS COLUNAS TOPOLOGIA VIZINHANCA RAIO EPOCAS MODO [z]
# TOPOLOGIA retangular|hexagonal, VIZINHANCA bolha|gaussiana, MODO online|lote; z standardises
# the attributes first (R's scale()). kohonen lowers the radius linearly from RAIO to 0 and the
# rate from 0.05 to 0.01 (its defaults), and starts from random patterns, as norvika-lab's
# --inicio amostras does. Its hexagonal grid shifts the other rows, a mirror image of ours.
suppressMessages(library(kohonen))
a <- commandArgs(TRUE)
linhas <- as.integer(a[2]); colunas <- as.integer(a[3])
topo <- if (a[4] == "hexagonal") "hexagonal" else "rectangular"
viz <- if (a[5] == "gaussiana") "gaussian" else "bubble"
raio <- as.numeric(sub(",", ".", a[6])); epocas <- as.integer(a[7])
modo <- if (a[8] == "lote") "batch" else "online"

texto <- readLines(a[1])
d <- as.integer(sub("#.*", "", strsplit(texto[1], "|", fixed = TRUE)[[1]][2]))
n <- as.integer(strsplit(texto[1], "|", fixed = TRUE)[[1]][1])
campos <- strsplit(sub("#.*", "", texto[1 + seq_len(n)]), "|", fixed = TRUE)
x <- matrix(as.numeric(gsub(",", ".", unlist(lapply(campos, `[`, seq_len(d))))), ncol = d, byrow = TRUE)
if (length(a) >= 9 && a[9] == "z") x <- scale(x)

set.seed(1)
grade <- somgrid(xdim = colunas, ydim = linhas, topo = topo, neighbourhood.fct = viz)
# Random patterns to start, repeated when there are fewer patterns than units.
unidades <- linhas * colunas
pesos <- x[sample(nrow(x), unidades, replace = nrow(x) < unidades), , drop = FALSE]
inicio <- proc.time()[["elapsed"]]
mapa <- som(x, grid = grade, rlen = epocas, mode = modo, keep.data = FALSE, init = pesos,
            radius = c(raio, 0), alpha = c(0.05, 0.01), normalizeDataLayers = FALSE)
cat(sprintf("treino_s=%.4f\n", proc.time()[["elapsed"]] - inicio))

# Both errors with norvika-lab's definitions: the mean distance to the winner, and the share of
# patterns whose two nearest units are not adjacent (grid distance above 1).
w <- mapa$codes[[1]]
d2 <- outer(rowSums(x^2), rowSums(w^2), "+") - 2 * x %*% t(w)
ordem <- t(apply(d2, 1, order))[, 1:2]
qe <- mean(sqrt(pmax(d2[cbind(seq_len(nrow(x)), ordem[, 1])], 0)))
dgrade <- unit.distances(grade)
te <- mean(dgrade[ordem] > 1 + 1e-9)
cat(sprintf("erro_quantizacao=%.10g\nerro_topografico=%.10g\n", qe, te))
