#pragma once

#include "AaxHostInterfaces.h"
#include "AcfHostAbi.h"

#include <memory>

/** Presents a host's C-layout objects (AcfHostAbi.h) to the effect description as
    the narrow AaxHost interfaces. The adapters of the collection, descriptors and
    property maps the host hands out live as long as this object.
*/
class AcfHostAdapter : public AaxHost
{
public:
    /** host may be null: the adapter then has no collection to give. */
    explicit AcfHostAdapter (VelorinAcfHost* host);
    ~AcfHostAdapter() override;

    AaxEffectCollection* getEffectCollection() override;

private:
    class PropertyMap;
    class Component;
    class Effect;
    class Collection;

    VelorinAcfHost* const host;
    std::unique_ptr<Collection> collection;
};
