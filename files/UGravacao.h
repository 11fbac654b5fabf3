#pragma once
// The one way the program writes a file the user named: the trained network, the explorer's
// pictures and tables. What was in the file before survives any failure, and nothing but a plain
// file is ever written.
//
// - A plain file is replaced through a new file beside it, written, flushed to the disk and then
//   renamed over it: a full disk, a missing permission or an I/O error leaves the old contents.
// - A file that a rename would break (one with other names, extended attributes or ACLs, an owner
//   this user cannot give a new file, or in a folder where no new file may be made) is written in
//   place, after its new size has been reserved on the disk (posix_fallocate), so that a full
//   disk fails before any of its bytes changes.
// - A symbolic link is followed: the file it names is written, the link stays.
// - A device, a named pipe or a socket is refused without being opened for writing, so the
//   program never blocks on one nor replaces it with a plain file.
//
// Every write, the flush and the close are checked.

#include <string>
#include <string_view>

// Writes `texto` to `caminho`. Throws EArquivoEspecial for something that is not a plain file,
// EEntradaSaida (with the system's message) for every other failure.
void gravaArquivo(const std::string& caminho, std::string_view texto);
