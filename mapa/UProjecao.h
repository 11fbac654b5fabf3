#pragma once
// The two principal axes of a cloud of points (the mean and two orthonormal directions of largest
// variance), on which the input space is drawn and a map's linear start is laid.

#include <cstdint>
#include <optional>
#include <vector>

#include "UMedidas.h"

// With fewer than two dimensions the missing axis is zero.
struct TProjecao {
    std::vector<double> media, eixo1, eixo2;
    // The point's coordinates along the two axes, in extended precision and held within the
    // double range, so that any finite point has finite coordinates.
    void projeta(const double* x, double& a, double& b) const;
};
// At most `amostra` points are used, evenly spread over the cloud. The stop is asked once per
// pass over the points; nothing when it answers true.
std::optional<TProjecao> projecaoPrincipal(const std::vector<const double*>& pontos, std::int32_t d,
                                           std::size_t amostra = 4000,
                                           const TParadaMedida& parar = {});
