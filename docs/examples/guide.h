// The guide's example program: one window with a part for each chapter of the guide that has no
// example program of its own, shared by the program and its scripted run.
#pragma once

#include <windows.h>

#include <cstdint>

#include "gui/toolkit.h"

struct Guide {
  Ref<TGadget> window, list, canvas, sum, error, ok;
  int32_t paints = 0;  // GadgetPaint events the canvas got

  // Makes the window and everything in it; each chapter adds its own part.
  void Build();
  void BuildLayout();
  void BuildCanvas();
  void StartSum();
  void ShowCaughtError();
  // Reacts to one event taken from the queue; false when the program should end.
  bool Handle(int32_t id);
};

// Paints the canvas with the platform's drawing functions (canvas.cpp).
void PaintCanvas(const Ref<TGadget>& canvas);
// The colour the canvas is filled with; the scripted run reads it back.
constexpr COLORREF CanvasSky = RGB(90, 160, 220);

// The scripted run (--script): drives each part and checks what it shows. Answers the exit
// status: 0 when every check passed.
int RunGuideScript(Guide& guide);
