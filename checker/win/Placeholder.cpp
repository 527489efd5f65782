// placeholder until the first shell file arrives
