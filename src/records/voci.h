#pragma once
// Each contestant's voice: a wave file named after him in the edition's sound
// folder, or the generic voice of his seat.
namespace zolmera {

class AppContext;

void ImpostaVociConcorrenti(AppContext& ctx);

}  // namespace zolmera
