// pack_master <master folder> <Data.kpz>: packs the master-data sources into
// the encrypted archive the game reads.
#include "tools/master/master_packer.h"

#include "host/sys/atomic_file.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: pack_master <master folder> <Data.kpz>\n";
        return 2;
    }
    try {
        const tools::MasterText master = tools::BuildMasterText(argv[1]);
        if (!master.missing.empty()) {
            std::cerr << "pack_master: refused: no source file for section";
            for (int section : master.missing)
                std::cerr << " " << section;
            std::cerr << "\n";
            return 1;
        }
        if (!host::sys::replaceFile(argv[2], tools::EncryptMasterText(master.text))) {
            std::cerr << "pack_master: cannot write " << argv[2] << "\n";
            return 1;
        }
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "pack_master: refused:\n" << error.what() << "\n";
        return 1;
    }
}
