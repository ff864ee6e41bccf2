#include "FileError.h"

#include <cerrno>
#include <cstring>

std::string FileErrorReason(int error) {
    switch (error) {
        case ENOENT: return "soubor nebo adresář neexistuje";
        case EACCES: return "přístup odepřen";
        case EPERM: return "operace není dovolena";
        case EISDIR: return "je to adresář";
        case ENOTDIR: return "část cesty není adresář";
        case ENOSPC: return "na disku není místo";
        case EDQUOT: return "překročena disková kvóta";
        case EFBIG: return "soubor by byl větší, než systém dovolí";
        case EROFS: return "systém souborů je jen pro čtení";
        case ENAMETOOLONG: return "jméno je příliš dlouhé";
        case ELOOP: return "příliš mnoho symbolických odkazů";
        case EIO: return "chyba vstupu a výstupu zařízení";
        case EXDEV: return "soubor leží v jiném systému souborů";
        case ETXTBSY: return "soubor je právě spuštěný program";
        case EBUSY: return "zařízení nebo soubor se právě používá";
        case EEXIST: return "soubor už existuje";
        case ENOMEM: return "nedostatek paměti";
        case EMFILE:
        case ENFILE: return "příliš mnoho otevřených souborů";
        case EINVAL:
        case ENOTSUP: return "systém souborů tuto operaci nepodporuje";
        case ESTALE: return "síťový soubor už neplatí";
        case EAGAIN: return "soubor je zamčený jiným programem";
        default: break;
    }
    // Anything rarer keeps the system's short name, which a search finds.
    const char* name = ::strerrorname_np(error);
    return "systémová chyba " + (name ? std::string(name) : std::to_string(error));
}

std::string FileErrorMessage(EBedFileError::Kind kind, const std::string& fileName, const std::string& reason) {
    switch (kind) {
        case EBedFileError::Open:
        case EBedFileError::Read: return "Soubor " + fileName + " nelze přečíst: " + reason;
        case EBedFileError::Create: return "Soubor nelze vytvořit: " + fileName + " (" + reason + ")";
        case EBedFileError::Write: break;
    }
    return "Do souboru nelze zapsat: " + fileName + " (" + reason + ")";
}

void FailFile(EBedFileError::Kind kind, const std::string& fileName, int error) {
    FailFile(kind, fileName, FileErrorReason(error));
}

void FailFile(EBedFileError::Kind kind, const std::string& fileName, const std::string& reason) {
    throw EBedFileError(kind, fileName, FileErrorMessage(kind, fileName, reason));
}
