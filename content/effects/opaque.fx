// Spline nodes carry it but never draw; the device's fixed-function
// drawing is enough.
string ContainerName = "nosort";

technique Fixed {
    pass P0 {
        Lighting = false;
        AlphaBlendEnable = false;
    }
}
