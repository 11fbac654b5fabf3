#pragma once
// The program's pictures, drawn by the program itself: the window icon (the desktop's SVG) and
// the decorative pictures of the neuron window and the About window.

#include <QIcon>
#include <QPixmap>

namespace UImagens {

QIcon iconeNorvika();
QPixmap figuraNeuronio();   // 105 x 49
QPixmap figuraMapa();       // 121 x 81
QPixmap figuraNeuronios();  // 65 x 71

}  // namespace UImagens
