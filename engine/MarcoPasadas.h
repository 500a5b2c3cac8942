#pragma once
// The pass frame shared by the five overwrite methods: before every pass it moves the bar,
// writes the pass counter, lets the progress window handle its messages and looks at the
// cancel request. The file work itself (the preparation and every pass) runs on a thread of
// its own while the window goes on answering, however long a write or a flush takes.
#include <functional>

class Seguimiento;

// What a failed pass means for the method: the end of its passes, or only that pass.
enum class TrasFallo { Terminar, Seguir };

// Runs passes 1 to `pasadas` of method `metodo` (1 to 5). With the cancel request already set,
// or with no passes, it does nothing and answers true. Otherwise `preparar` (when given) runs
// once before the first pass; false there ends the method with false. Before each pass i the
// bar goes to (metodo - 1) * pasadas + i; when that position is a multiple of NMetodos the
// counter becomes "N de P"; pending messages are handled; a cancel request then ends the
// method. `pasada` does pass i and answers whether it succeeded. The answer is the AND of the
// passes done; with TrasFallo::Terminar a failed pass is the last.
//
// `preparar` and `pasada` run on a worker thread, one at a time, while this thread waits: the
// first 10 ms without handling messages (a pass over a small file is over by then), then with
// the window answering (Seguimiento::EsperarAtendiendo). A cancel request made meanwhile only
// sets the flag: a begun pass runs to its end and the flag is seen at the next boundary. The
// two must therefore touch nothing the window's handlers touch; what they share with the
// method (its file, its buffers, the generator) is never used by this thread while they run.
// An exception they raise comes back here.
bool RecorrerPasadas(Seguimiento& seguimiento, int metodo, int pasadas, TrasFallo trasFallo,
                     const std::function<bool()>& preparar, const std::function<bool(int pasada)>& pasada);

// Runs one step of file work outside the passes (the write test's flush of a file just written
// can take seconds) on the same worker, the window answering meanwhile; answers the step's
// answer. The same rules hold as for a pass.
bool EnElObrero(Seguimiento& seguimiento, const std::function<bool()>& paso);
