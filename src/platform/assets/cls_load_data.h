#pragma once

#include "platform/assets/asset_table.h"

#include "host/gdi/device_context.h"
#include "host/runtime/event.h"
#include "host/ui/picture_box.h"

#include <cstdint>
#include <string>
#include <vector>

// Loads the image archive into the picture store (Images()) and the sound
// archive into the sound manager (MngSound()), restoring each record's
// scrambled bytes once. Each load raises StartProcess once and LoadProcess
// before each record, and a record is stored just after its LoadProcess.
// Pictures are decoded on a pool of decodeThreads threads, ahead of their
// turn; the events and the store stay on the calling thread. With one
// thread, each picture is decoded on the calling thread when its turn comes.
// SetData comes first.
class clsLoadData {
  public:
    // As many threads as the machine has cores.
    static unsigned DefaultDecodeThreads();
    explicit clsLoadData(unsigned decodeThreads = DefaultDecodeThreads()) : decodeThreads_(decodeThreads) {}

    // The stage's caption and its number of steps.
    host::runtime::Event<std::string, std::int16_t> StartProcess;
    // The record about to be loaded, counting 1 to Maxprocess.
    host::runtime::Event<std::int16_t, std::int16_t> LoadProcess;

    // Both raise the subscript error (9), naming the archive, when the
    // archive cannot be read, and pass on an error of any record (one lying
    // past the end of a short archive); what was loaded before stays.
    void LoadSound();
    void LoadImage();
    // Makes the scratch box invisible and sized to its picture; every
    // picture is stored in a context made like pfrmHDC.
    void SetData(host::ui::PictureBox& pPB, const host::gdi::DeviceContext& pfrmHDC);

  private:
    void requireData() const;

    unsigned decodeThreads_;
    const host::gdi::DeviceContext* pfrmHDC_ = nullptr;
};
