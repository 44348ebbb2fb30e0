"""A fixed pseudo-random sequence, so that a run gives the same tables every time."""

MASK = (1 << 64) - 1


class Lcg:
    """Knuth's 64-bit linear congruential generator (MMIX constants)."""

    def __init__(self, seed):
        self.state = seed & MASK

    def below(self, n):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) & MASK
        return (self.state >> 33) % n

    def shuffle(self, items):
        items = list(items)
        for i in range(len(items) - 1, 0, -1):
            j = self.below(i + 1)
            items[i], items[j] = items[j], items[i]
        return items
