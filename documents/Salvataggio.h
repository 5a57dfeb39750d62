// Whether a document holds work that a save would keep.
#pragma once

// Nothing computed yet: Nessuno; changed since it was last saved or opened: DaSalvare.
enum class Salvataggio { Nessuno, DaSalvare, Salvato };
