#pragma once

// The wide strip of cloud across the field. Its centre line is also the goal:
// a crawler that climbs above it has won.
class CloudBand {
public:
    static CloudBand& instance();

    void load();
    void draw() const;

    unsigned sprite = 0; // the texture its sprite quad shows
    float height = 25.0f;

private:
    CloudBand() = default;
};
