// Calls carried to the main thread: posted calls and background calls.
#include <memory>

#include "event/win32/system_win32.h"

namespace {

// Filled completely by the poster, then touched only by the main thread.
struct TMainThreadCallRecord {
  TMainThreadFn fn = nullptr;
  void* obj = nullptr;  // for a background call a TObject holding one reference
  intptr_t data = 0;
  TBackgroundWorker worker = nullptr;
  intptr_t workerArg = 0;
};

bool PostRecord(std::unique_ptr<TMainThreadCallRecord>& record) {
  if (!PostThreadMessageW(MainThreadId, MainThreadCallMessage, 0, reinterpret_cast<LPARAM>(record.get()))) {
    return false;
  }
  record.release();
  return true;
}

DWORD WINAPI BackgroundThread(LPVOID parameter) {
  std::unique_ptr<TMainThreadCallRecord> record(static_cast<TMainThreadCallRecord*>(parameter));
  record->data = record->worker(record->workerArg);
  // A record that cannot be posted is freed here; its object's reference is given up, since the
  // count may only change on the main thread.
  PostRecord(record);
  return 0;
}

}  // namespace

bool PostMainThreadCall(TMainThreadFn fn, void* obj, intptr_t data) {
  auto record = std::make_unique<TMainThreadCallRecord>();
  record->fn = fn;
  record->obj = obj;
  record->data = data;
  return PostRecord(record);
}

bool StartBackgroundCall(TBackgroundWorker worker, intptr_t workerArg, TMainThreadFn fn, Ref<TObject> obj) {
  auto record = std::make_unique<TMainThreadCallRecord>();
  record->fn = fn;
  record->obj = obj.detach();
  record->worker = worker;
  record->workerArg = workerArg;
  HANDLE thread = CreateThread(nullptr, 0, BackgroundThread, record.get(), 0, nullptr);
  if (!thread) {
    if (record->obj) static_cast<TObject*>(record->obj)->Release();
    return false;
  }
  record.release();
  CloseHandle(thread);
  return true;
}

void RunMainThreadCall(LPARAM address) {
  std::unique_ptr<TMainThreadCallRecord> record(reinterpret_cast<TMainThreadCallRecord*>(address));
  // A background call's object is released after fn, also when fn raises.
  struct TRelease {
    TMainThreadCallRecord& r;
    ~TRelease() {
      if (r.worker && r.obj) static_cast<TObject*>(r.obj)->Release();
    }
  } release{*record};
  record->fn(record->obj, record->data);
}
