// The notes window's gadgets and its reaction to events, shared by the program and its script.
#pragma once

#include <cstdint>
#include <vector>

#include "gui/toolkit.h"

// The menu entries' tags: what their MenuAction events carry as data.
namespace NotesTag {
constexpr int32_t NewNote = 1;
constexpr int32_t Quit = 2;
}  // namespace NotesTag

struct Notes {
  Ref<TGadget> window, title, category, add, list, tree;
  std::vector<Ref<TGadget>> categoryNodes;  // one tree node per category, in the combo box's order

  // Makes the window and everything in it.
  void Build();
  // Reacts to one event taken from the queue; false when the program should end.
  bool Handle(int32_t id);
  // Files the title field's text as a note of the chosen category, in the list and in the tree.
  void AddNote();
};

// The scripted run (--script): drives the window through its controls and checks what they show.
// Answers the exit status: 0 when every check passed.
int RunNotesScript(Notes& notes);
