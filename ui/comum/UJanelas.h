#pragma once
// What every window of the program obeys, whoever made it (the program's forms, message boxes,
// file dialogs):
// - it opens inside the usable area of its screen (the screen less the taskbar and panels): a
//   window larger than that area is shrunk to it, and one that would stick out is moved in, just
//   enough, keeping its place when it fits;
// - the mouse wheel changes a spin box or a list box only when the box has the focus; otherwise
//   it scrolls the area that holds the box, so that scrolling a panel never edits it.
// - in a language other than the one the forms were drawn in, a text too long for its place in
//   a form of fixed geometry pushes the controls to its right along, as far as the form has room,
//   and is set in a smaller type only for what is still missing (acomodaTextos).
// All three live in one filter of the application's events, installed once by `instala`.

class QWidget;

namespace UJanelas {

// The room a title bar takes above a window before the window system has told its frame.
inline constexpr int kTituloPresumido = 30;

// Installs the application's filter; later calls do nothing. Every window calls it when it is
// made, so windows made without the program's main() (tests, tools) obey the same rules.
void instala();

// Shrinks and moves a top-level window to fit the usable area of its screen.
void cabeNaTela(QWidget* janela);

// Makes room for the labels, check boxes and radio buttons of `janela` that sit without a layout
// and whose text is wider than their place (a translation longer than the source).
void acomodaTextos(QWidget* janela);

}  // namespace UJanelas
