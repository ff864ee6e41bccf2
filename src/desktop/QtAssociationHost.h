#pragma once
// What associations need of the system, through Qt: the MIME database and the helper tools.
#include "Associations.h"

class TQtAssociationHost : public TAssociationHost {
public:
    std::string KnownMimeType(const std::string& extension) override;
    std::string RunTool(const std::string& tool, const std::vector<std::string>& arguments) override;
};
