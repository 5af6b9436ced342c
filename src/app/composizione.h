#pragma once
// The program's composition: the one place that knows every screen. It fills
// in the routes between screens and the launch catalogue of the challenge
// windows, so that no screen includes a screen of a layer above its own.
namespace zolmera {

class AppContext;

void componi(AppContext& ctx);

}  // namespace zolmera
